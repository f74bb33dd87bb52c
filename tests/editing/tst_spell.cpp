#include "editing/spell.h"
#include "editing/speller.h"
#include "store/programfolder.h"
#include "testsupport.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace corvane;

namespace {
const QString aff = "/usr/share/hunspell/en_US.aff";
const QString dic = "/usr/share/hunspell/en_US.dic";
} // namespace

class SpellTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void findsMisspeltWordsWithSuggestions();
    void userDictionaryIsReadAndWritten();
    void missingDictionaryIsNotReady();
    void dialogWalksTheMemo();
    void cleanMemoOnlySaysComplete();
};

void SpellTest::initTestCase() {
    if (!QFile::exists(aff) || !QFile::exists(dic))
        QSKIP("the English dictionary is not installed");
}

void SpellTest::findsMisspeltWordsWithSuggestions() {
    test::Sandbox sandbox;
    Speller speller(aff, dic, sandbox.path("CUSTOM2.DIC"));
    QVERIFY(speller.isReady());
    const QString text = "This isn't a tset of 3rd speling";
    auto word = speller.nextMisspelt(text, 0);
    QVERIFY(word);
    QCOMPARE(text.mid(word->start, word->length), QString("tset"));
    const QStringList suggestions = speller.suggestions("tset");
    QVERIFY(suggestions.contains("test"));
    QVERIFY(suggestions.size() <= 10);
    word = speller.nextMisspelt(text, word->start + word->length);
    QCOMPARE(text.mid(word->start, word->length), QString("speling"));
    speller.ignore("speling");
    QVERIFY(!speller.nextMisspelt(text, word->start));
}

void SpellTest::userDictionaryIsReadAndWritten() {
    test::Sandbox sandbox;
    test::writeFile(sandbox.path("CUSTOM2.DIC"), "Halvering\r\n");
    {
        Speller speller(aff, dic, sandbox.path("CUSTOM2.DIC"));
        QVERIFY(speller.isCorrect("Halvering"));
        QVERIFY(!speller.isCorrect("Corvanex"));
        QVERIFY(speller.addToDictionary("Corvanex"));
        QVERIFY(speller.isCorrect("Corvanex"));
    }
    QCOMPARE(test::readFile(sandbox.path("CUSTOM2.DIC")), QByteArray("Halvering\r\nCorvanex\r\n"));
    Speller again(aff, dic, sandbox.path("CUSTOM2.DIC"));
    QVERIFY(again.isCorrect("Corvanex"));
}

void SpellTest::missingDictionaryIsNotReady() {
    Speller speller("/no/such.aff", "/no/such.dic", QString());
    QVERIFY(!speller.isReady());
}

void SpellTest::dialogWalksTheMemo() {
    test::Sandbox sandbox;
    test::FakePrompter prompts;
    test::ModalScript modal;
    QPlainTextEdit memo;
    memo.setPlainText("Teh cat sat on teh mat near Frobnicatia.");
    modal.then([&](QDialog &dialog) {
        auto &spell = static_cast<TfrmSpell &>(dialog);
        if (spell.word() != "Teh" || spell.lbSuggestions->count() > 10)
            return int(QDialog::Rejected);
        spell.edChange->setText("The");
        spell.btChange->click();
        if (spell.word() != "teh")
            return int(QDialog::Rejected);
        spell.btIgnore->click();
        if (spell.word() != "Frobnicatia")
            return int(QDialog::Rejected);
        spell.btAdd->click();
        return spell.result();
    });
    TfrmSpell::checkMemo(memo);
    QCOMPARE(memo.toPlainText(), QString("The cat sat on teh mat near Frobnicatia."));
    QCOMPARE(prompts.questions, QStringList{"Add \"Frobnicatia\" to the dictionary?"});
    QCOMPARE(prompts.informations, QStringList{"The spelling check is complete."});
    QCOMPARE(test::readFile(besideProgram("CUSTOM2.DIC")), QByteArray("Frobnicatia\r\n"));
    QVERIFY(modal.unexpected.isEmpty());
}

void SpellTest::cleanMemoOnlySaysComplete() {
    test::Sandbox sandbox;
    test::FakePrompter prompts;
    test::ModalScript modal;
    QPlainTextEdit memo;
    memo.setPlainText("The cat sat on the mat.");
    TfrmSpell::checkMemo(memo);
    QCOMPARE(prompts.informations, QStringList{"The spelling check is complete."});
    QVERIFY(modal.shown.isEmpty());
}

QTEST_MAIN(SpellTest)
#include "tst_spell.moc"
