// The iCalendar reader: any file reads as tasks or fails with a message, and the tasks it gave, once
// stored and exported, import again as nothing new.

#include "fuzzsupport.h"

#include "app/dayview.h"
#include "interchange/icalreader.h"
#include "interchange/icalwriter.h"
#include "interchange/importplan.h"
#include "store/routines.h"

using namespace corvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzz::setUp();
    IcalReading reading;
    QString error;
    if (!readICalendar(fuzz::bytes(data, size), reading, &error)) {
        fuzz::check(!error.isEmpty(), "a file that does not read says why");
        return 0;
    }
    TaskTable store, nonday;
    setUpStoreTable(store);
    setUpNondayTable(nonday);
    addImported(planImport(reading, store, nonday), store, nonday);
    sortStore(store);

    IcalSelection all;
    all.nonDateTasks = true;
    const QByteArray exported =
        writeICalendar(store, nonday, all, QDateTime(QDate(2024, 1, 1), QTime(12, 0)));
    IcalReading again;
    fuzz::check(readICalendar(exported, again, &error), "an export reads back");
    fuzz::check(planImport(again, store, nonday).toAdd.isEmpty(), "an export of the tasks adds nothing new");
    return 0;
}
