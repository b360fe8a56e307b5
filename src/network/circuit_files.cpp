#include "network/circuit_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>

#include "base/file_error.h"
#include "base/group_key_file.h"
#include "base/locations.h"
#include "base/safe_save.h"

namespace {

QString Shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// Why a file could not be opened for reading; errno is read first, before
// anything else can change it.
QString ReadFailure(const QString& path)
{
    const int error = errno;
    const QFileInfo info(path);
    if (info.isDir())
        return FileErrorText(EISDIR);
    if (!info.exists())
        return QStringLiteral("le fichier n'existe pas");
    return FileErrorText(error == ENOENT ? 0 : error);
}

QString DataSubfolder(const QString& dataFolder)
{
    return WithSlash(dataFolder) + QStringLiteral("Data/");
}

const QString WindowGroup = QStringLiteral("Fenetre");
const QString FilesGroup = QStringLiteral("Fichiers");

}  // namespace

bool OpenCircuitFile(const QString& path, CircuitSchedule& schedule, QString& error)
{
    QFile file(path);
    errno = 0;
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("Le fichier suivant n'a pas pu être ouvert :\r\n%1\r\n(%2).")
                    .arg(Shown(path), ReadFailure(path));
        return false;
    }
    CircuitSchedule read;
    QString why;
    if (!ReadCircuitSchedule(file, read, why)) {
        error = QStringLiteral("Le fichier suivant n'est pas un circuit lisible :\r\n%1\r\n%2").arg(Shown(path), why);
        return false;
    }
    schedule = std::move(read);
    return true;
}

bool SaveCircuitFile(const QString& path, const CircuitSchedule& schedule, QString& error)
{
    int errorNumber = 0;
    if (SaveFileWhole(path, CircuitScheduleText(schedule), &errorNumber))
        return true;
    error = QStringLiteral("Le circuit n'a pas pu être enregistré dans le fichier :\r\n%1\r\n(%2).")
                .arg(Shown(path), FileErrorText(errorNumber));
    return false;
}

QString RecoveryCopyPath(const QString& path, const QString& dataFolder)
{
    if (path.isEmpty())
        return DataSubfolder(dataFolder) + QStringLiteral("Reseau-sans-titre.csv.recup");
    return path + QStringLiteral(".recup");
}

bool WriteRecoveryCopy(const QString& path, const QString& dataFolder, const CircuitSchedule& schedule)
{
    const QString copy = RecoveryCopyPath(path, dataFolder);
    QDir().mkpath(QFileInfo(copy).absolutePath());
    return SaveFileWhole(copy, CircuitScheduleText(schedule));
}

QString FoundRecoveryCopy(const QString& path, const QString& dataFolder)
{
    const QString copy = RecoveryCopyPath(path, dataFolder);
    return QFileInfo(copy).isFile() ? copy : QString();
}

bool RemoveRecoveryCopy(const QString& path, const QString& dataFolder)
{
    const QString copy = RecoveryCopyPath(path, dataFolder);
    return !QFileInfo::exists(copy) || QFile::remove(copy);
}

QString NetworkStatePath(const QString& dataFolder)
{
    return DataSubfolder(dataFolder) + QStringLiteral("Reseau.cfg");
}

NetworkWindowState ReadNetworkWindowState(const QString& dataFolder)
{
    NetworkWindowState state;
    GroupKeyFile file;
    if (!OpenGroupKeyFile(file, NetworkStatePath(dataFolder)))
        return state;
    SelectGroup(file, WindowGroup);
    const QRect kept(static_cast<int>(ReadInteger(file, QStringLiteral("Gauche"), 0)),
                     static_cast<int>(ReadInteger(file, QStringLiteral("Haut"), 0)),
                     static_cast<int>(ReadInteger(file, QStringLiteral("Largeur"), state.geometry.width())),
                     static_cast<int>(ReadInteger(file, QStringLiteral("Hauteur"), state.geometry.height())));
    // A size no screen has is a damaged file: the first size then.
    const auto sensible = [](int extent) { return extent >= 100 && extent <= 20000; };
    if (sensible(kept.width()) && sensible(kept.height()) && std::abs(kept.x()) <= 20000
        && std::abs(kept.y()) <= 20000) {
        state.geometry = kept;
        state.placed = ReadInteger(file, QStringLiteral("Place"), 0) != 0;
    }
    SelectGroup(file, FilesGroup);
    state.lastFile = ReadText(file, QStringLiteral("Dernier"), QString());
    return state;
}

bool WriteNetworkWindowState(const QString& dataFolder, const NetworkWindowState& state, QString& error)
{
    const QString path = NetworkStatePath(dataFolder);
    QDir().mkpath(QFileInfo(path).absolutePath());
    GroupKeyFile file;
    CreateGroupKeyFile(file, path);
    SelectGroup(file, WindowGroup);
    WriteInteger(file, QStringLiteral("Gauche"), state.geometry.x());
    WriteInteger(file, QStringLiteral("Haut"), state.geometry.y());
    WriteInteger(file, QStringLiteral("Largeur"), state.geometry.width());
    WriteInteger(file, QStringLiteral("Hauteur"), state.geometry.height());
    WriteInteger(file, QStringLiteral("Place"), state.placed ? 1 : 0);
    SelectGroup(file, FilesGroup);
    // One line per key: a name with a line break could not be read back.
    const bool oneLine = !state.lastFile.contains(u'\n') && !state.lastFile.contains(u'\r');
    WriteText(file, QStringLiteral("Dernier"), oneLine ? state.lastFile : QString());
    int errorNumber = 0;
    if (CloseGroupKeyFile(file, &errorNumber))
        return true;
    error =
        QStringLiteral("L'état de la fenêtre « Réseau » n'a pas pu être enregistré dans le fichier :\r\n%1\r\n(%2).")
            .arg(Shown(path), FileErrorText(errorNumber));
    return false;
}
