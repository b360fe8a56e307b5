#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <functional>

#include "network/calculation_note.h"
#include "network/circuit_files.h"
#include "network/sample_circuit.h"
#include "support/full_disk.h"
#include "support/scratch_files.h"

namespace {

CircuitSchedule Awkward()
{
    CircuitSchedule schedule;
    schedule.header = {"kind", "id", "upstream", "length", "flow", "fittings", "fixed"};
    schedule.rows = {{"water", "Chaufferie « été »", "", "12,5", "", "coude90*2", "0,5 mCE"},
                     {"water", "R;1 \"sud\"", "Chaufferie « été »", "3", "450", "", "10 kPa"}};
    return schedule;
}

TEST(CircuitFiles, SavedCircuitOpensAsItWas)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("réseau.csv"));
    const CircuitSchedule saved = Awkward();
    QString error;
    ASSERT_TRUE(SaveCircuitFile(path, saved, error)) << error.toStdString();
    CircuitSchedule opened;
    ASSERT_TRUE(OpenCircuitFile(path, opened, error)) << error.toStdString();
    EXPECT_EQ(opened.header, saved.header);
    EXPECT_EQ(opened.rows, saved.rows);

    const struct {
        const char* name;
        QByteArray bytes;  // nullptr: no file
        const char* said;
    } refused[] = {
        {"absent.csv", QByteArray(), "le fichier n'existe pas"},
        {"sans-id.csv", "kind;length\nwater;3\n", "n'est pas un circuit lisible"},
    };
    for (const auto& c : refused) {
        const QString bad = folder.filePath(QString::fromUtf8(c.name));
        if (!c.bytes.isNull()) {
            ASSERT_TRUE(WriteBytes(bad, c.bytes));
        }
        CircuitSchedule untouched = saved;
        EXPECT_FALSE(OpenCircuitFile(bad, untouched, error)) << c.name;
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.said)) && error.contains(QDir::toNativeSeparators(bad)))
            << error.toStdString();
        EXPECT_EQ(untouched.rows, saved.rows);
    }
}

TEST(CircuitFiles, RecoveryCopyIsWrittenFoundAndRemoved)
{
    QTemporaryDir folder;
    const QString data = folder.filePath(QStringLiteral("Vorquil 3/"));
    for (const QString& path : {folder.filePath(QStringLiteral("réseau.csv")), QString()}) {
        const QString copy = path.isEmpty() ? data + QStringLiteral("Data/Reseau-sans-titre.csv.recup")
                                            : path + QStringLiteral(".recup");
        EXPECT_EQ(FoundRecoveryCopy(path, data), QString());
        ASSERT_TRUE(WriteRecoveryCopy(path, data, Awkward()));
        EXPECT_EQ(FoundRecoveryCopy(path, data), copy);
        CircuitSchedule recovered;
        QString error;
        ASSERT_TRUE(OpenCircuitFile(copy, recovered, error)) << error.toStdString();
        EXPECT_EQ(recovered.rows, Awkward().rows);
        EXPECT_FALSE(QFileInfo::exists(path));  // the file itself is not written
        EXPECT_TRUE(RemoveRecoveryCopy(path, data));
        EXPECT_EQ(FoundRecoveryCopy(path, data), QString());
    }
}

TEST(CircuitFiles, WindowStateRoundTripsInItsOwnFile)
{
    QTemporaryDir folder;
    const QString data = folder.filePath(QStringLiteral("Vorquil 3/"));
    const QString config = data + QStringLiteral("Data/Config.cfg");
    const QByteArray configBytes = WrittenFileStart + "[Init]\r\nPente = 7\r\n";
    ASSERT_TRUE(WriteBytes(config, configBytes));
    EXPECT_EQ(ReadNetworkWindowState(data).geometry, QRect(0, 0, 900, 520));  // nothing kept yet

    NetworkWindowState state;
    state.geometry = QRect(-40, 30, 1024, 600);
    state.placed = true;
    state.lastFile = QStringLiteral("/home/é t é/Réseau; \"A\".csv");
    QString error;
    ASSERT_TRUE(WriteNetworkWindowState(data, state, error)) << error.toStdString();
    const NetworkWindowState read = ReadNetworkWindowState(data);
    EXPECT_EQ(read.geometry, state.geometry);
    EXPECT_TRUE(read.placed);
    EXPECT_EQ(read.lastFile, state.lastFile);
    EXPECT_EQ(ReadBytes(config), configBytes);
    EXPECT_EQ(NetworkStatePath(data), data + QStringLiteral("Data/Reseau.cfg"));

    // A damaged size gives the first size back, the last file still kept.
    ASSERT_TRUE(WriteBytes(NetworkStatePath(data), "[Fenetre]\r\nLargeur = -3\r\n[Fichiers]\r\nDernier = a.csv\r\n"));
    EXPECT_EQ(ReadNetworkWindowState(data).geometry, QRect(0, 0, 900, 520));
    EXPECT_EQ(ReadNetworkWindowState(data).lastFile, QStringLiteral("a.csv"));
}

TEST(CircuitFiles, FullDiskKeepsTheOldFile)
{
    if (!UnderFullDiskShim())
        return RunAgainUnderFullDiskShim();
    SampleCircuit sample;
    ASSERT_NO_FATAL_FAILURE(SizeSample(sample));
    const CalculationNote note = CalculationNoteOf(sample.result, true);
    const struct {
        const char* name;  // in the scratch folder's "Data/"
        std::function<bool(const QString& data, QString& error)> write;
    } writes[] = {
        {"circuit.csv",
         [](const QString& data, QString& error) {
             return SaveCircuitFile(data + QStringLiteral("Data/circuit.csv"), Awkward(), error);
         }},
        {"Reseau.cfg",
         [](const QString& data, QString& error) {
             return WriteNetworkWindowState(data, NetworkWindowState(), error);
         }},
        {"note.pdf",
         [&](const QString& data, QString& error) {
             return WriteCalculationNote(data + QStringLiteral("Data/note.pdf"), note, sample.schedule, sample.result,
                                         true, error);
         }},
    };
    const QByteArray old = "ancien contenu\n";
    for (const auto& c : writes) {
        for (const qint64 free : {qint64(0), qint64(40)}) {
            QTemporaryDir scratch;
            const QString data = scratch.path() + u'/';
            const QString path = data + QStringLiteral("Data/") + QString::fromUtf8(c.name);
            ASSERT_TRUE(WriteBytes(path, old));
            SetFullDisk(scratch.path(), free);
            QString error;
            const bool written = c.write(data, error);
            ClearFullDisk();
            EXPECT_FALSE(written) << c.name << " free " << free;
            EXPECT_TRUE(error.contains(QStringLiteral("le disque est plein"))) << error.toStdString();
            EXPECT_EQ(ReadBytes(path), old) << c.name;
            EXPECT_EQ(QDir(data + QStringLiteral("Data")).entryList(QDir::Files | QDir::Hidden),
                      QStringList{QString::fromUtf8(c.name)});
        }
    }
}

}  // namespace
