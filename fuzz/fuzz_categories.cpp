// The category choices files: any file reads as choices, and the choices written read back the same.

#include "fuzzsupport.h"

#include "editing/categoryfile.h"

using namespace corvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzz::setUp();
    const QString file = fuzz::writeScratch(QStringLiteral("category.xxx"), fuzz::bytes(data, size));
    QStringList choices = readCategoryFile(file);
    fuzz::check(saveCategoryFile(file, choices), "the choices can be written");
    fuzz::check(readCategoryFile(file) == choices, "the choices written read back the same");
    sortChoices(choices);
    for (const QString &choice : choices)
        fuzz::check(indexOfChoice(choices, choice) >= 0, "every choice is found");
    return 0;
}
