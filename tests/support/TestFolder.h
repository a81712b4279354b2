// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DataFolder.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A fresh folder standing for the executable's folder, with helpers to lay data files into it.
class TestFolder {
public:
    TestFolder() { dir_.setAutoRemove(true); }

    DataFolder Data() const { return DataFolder(dir_.path() + QLatin1Char('/')); }
    QString Path(const QString& relative) const { return dir_.path() + QLatin1Char('/') + relative; }

    void Write(const QString& relative, const QByteArray& bytes) const
    {
        QFile file(Path(relative));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            qFatal("cannot write test file");
    }

    QByteArray Read(const QString& relative) const
    {
        QFile file(Path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir_;
};

// Records that differ from one another and from zero in every byte range, so any loss shows.
inline QByteArray DistinctRecords(int count, char salt = 0)
{
    QByteArray bytes(qsizetype(count) * 384, '\0');
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = char((i * 7 + i / 384 * 13 + salt) % 251 + 1);
    return bytes;
}
