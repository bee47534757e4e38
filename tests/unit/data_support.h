// SPDX-License-Identifier: GPL-3.0-or-later
// Small helpers shared by the data layer tests: building library records, whole files on disk and
// a device whose reads fail part-way.
#pragma once

#include "data/gamestate.h"

#include <QByteArray>
#include <QFile>
#include <QIODevice>
#include <QString>
#include <algorithm>
#include <initializer_list>

namespace tangram::testing {

// A 22-byte library record of `category` whose seven placements are all (tag, tag + 1, tag % 32),
// so that a test can tell from the loaded pattern which record it came from.
inline QByteArray libraryRecord(int category, int tag) {
    QByteArray record(1, static_cast<char>(category));
    for (int piece = 0; piece < kPieceCount; ++piece) {
        record.append(static_cast<char>(tag));
        record.append(static_cast<char>(tag + 1));
        record.append(static_cast<char>(tag % 32));
    }
    return record;
}

inline TPatternRecord expectedPattern(int tag) {
    const TPlacement placement{static_cast<std::uint8_t>(tag), static_cast<std::uint8_t>(tag + 1),
                               static_cast<std::uint8_t>(tag % 32)};
    return {placement, placement, placement, placement, placement, placement, placement};
}

inline QByteArray bytes(std::initializer_list<int> values) {
    QByteArray result;
    for (const int value : values)
        result.append(static_cast<char>(value));
    return result;
}

inline bool writeWholeFile(const QString& path, const QByteArray& contents) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

inline QByteArray readWholeFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Serves `data`, then reports a read error instead of the end of the data.
class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(QByteArray data) : m_data(std::move(data)) {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* out, qint64 maxSize) override {
        const qint64 left = m_data.size() - m_served;
        if (left == 0)
            return -1;
        const qint64 n = std::min(left, maxSize);
        std::copy_n(m_data.constData() + m_served, n, out);
        m_served += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_data;
    qint64 m_served = 0;
};

} // namespace tangram::testing
