#pragma once

#include <QDir>

#include "engines/library_files.h"

// The libraries delivered with the program, loaded once from the source tree:
// the engines are fuzzed on the pipes a user really has.
struct DeliveredLibraries {
    PipeLibraryList water;
    PipeLibraryList drainage;
};

inline const DeliveredLibraries& Delivered()
{
    static const DeliveredLibraries libraries = [] {
        DeliveredLibraries l;
        const QDir folder(QStringLiteral(VQ_SOURCE_DIR "/data"));
        for (const QString& name : folder.entryList(QDir::Files, QDir::Name))
            LoadLibraryFile(folder.filePath(name), l.water, l.drainage);
        return l;
    }();
    return libraries;
}
