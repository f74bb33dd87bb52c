#pragma once

// Shared by the fuzz targets: each is one program that libFuzzer calls with input after input.

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace corvane::fuzz {

// Once per program: a headless application (fonts and palettes need one) and the en_US formats.
void setUp();

// A file of that name in a scratch folder of the run (in memory where the machine has /dev/shm).
QString scratchFile(const QString &name);
// Writes the bytes to that file and returns its name.
QString writeScratch(const QString &name, const QByteArray &bytes);

// Stops the run with a message when a property the target checks does not hold.
void check(bool holds, const char *what);

// The input's bytes, and read the way the program reads its text files.
QByteArray bytes(const uint8_t *data, size_t size);
QString text(const uint8_t *data, size_t size);

// Takes small numbers off the front of the input, for the inputs that are not text.
class Input {
public:
    Input(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}
    uint8_t byte();
    int number(int low, int high); // within [low, high]
    QString rest() const;          // what is left, as text
    QByteArray restBytes() const;

private:
    const uint8_t *m_data;
    size_t m_size;
};

} // namespace corvane::fuzz
