#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace corvane {

class Speller;

// Walks the misspelt words of a memo: each can be changed, ignored or added to the user dictionary.
class TfrmSpell : public QDialog {
    Q_OBJECT
public:
    TfrmSpell(QPlainTextEdit &memo, Speller &speller, QWidget *parent = nullptr);

    // Checks the memo: reports a missing dictionary, shows the dialog while there are misspelt words,
    // and says when the check is complete.
    static void checkMemo(QPlainTextEdit &memo, QWidget *parent = nullptr);

    // Finds the next misspelt word; false when there is none.
    bool findNext();
    QString word() const { return m_word; }

    QLabel *lblWord;
    QLineEdit *edChange;
    QListWidget *lbSuggestions;
    QPushButton *btChange, *btIgnore, *btAdd, *btClose;

public slots:
    void btChangeClick();
    void btIgnoreClick();
    void btAddClick();

private:
    void nextOrFinish();

    QPlainTextEdit &m_memo;
    Speller &m_speller;
    QString m_word;
    int m_start = 0;
};

} // namespace corvane
