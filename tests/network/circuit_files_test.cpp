#include <gtest/gtest.h>

#include <QDir>
#include <functional>

#include "network/calculation_note.h"
#include "network/circuit_files.h"
#include "network/sample_circuit.h"
#include "support/full_disk.h"

namespace {

// Quotes, semicolons, accents and decimal commas: what a save must keep.
CircuitSchedule Awkward()
{
    CircuitSchedule schedule;
    schedule.header = {"kind", "id", "upstream", "length", "flow", "fittings", "fixed"};
    schedule.rows = {{"water", "Chaufferie « été »", "", "12,5", "", "coude90*2", "0,5 mCE"},
                     {"water", "R;1 \"sud\"", "Chaufferie « été »", "3", "450", "", "10 kPa"}};
    return schedule;
}

TEST(CircuitFiles, OpensWhatItSavedAndSaysWhyAFileIsRefused)
{
    QTemporaryDir folder;
    const struct {
        const char* name;
        QByteArray bytes;  // null: saved from Awkward()
        const char* said;  // null: opens as saved
    } cases[] = {
        {"réseau.csv", QByteArray(), nullptr},
        {"absent.csv", "", "le fichier n'existe pas"},
        {"sans-id.csv", "kind;length\nwater;3\n", "n'est pas un circuit lisible"},
    };
    for (const auto& c : cases) {
        const QString path = folder.filePath(QString::fromUtf8(c.name));
        QString error;
        if (c.bytes.isNull()) {
            ASSERT_TRUE(SaveCircuitFile(path, Awkward(), error)) << error.toStdString();
        } else if (!c.bytes.isEmpty()) {
            ASSERT_TRUE(WriteBytes(path, c.bytes));
        }
        CircuitSchedule opened = Awkward();
        opened.rows.pop_back();
        EXPECT_EQ(OpenCircuitFile(path, opened, error), !c.said) << c.name;
        EXPECT_EQ(opened.header, Awkward().header);
        EXPECT_EQ(opened.rows.size() == 2, !c.said) << c.name;  // a refused file leaves the circuit as it was
        if (c.said) {
            EXPECT_TRUE(error.contains(QString::fromUtf8(c.said)) && error.contains(path)) << error.toStdString();
        } else {
            EXPECT_EQ(opened.rows, Awkward().rows);
        }
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
        EXPECT_TRUE(OpenCircuitFile(copy, recovered, error) && recovered.rows == Awkward().rows) << error.toStdString();
        EXPECT_FALSE(QFileInfo::exists(path));
        EXPECT_TRUE(RemoveRecoveryCopy(path, data));
        EXPECT_EQ(FoundRecoveryCopy(path, data), QString());
    }
}

TEST(CircuitFiles, WindowStateRoundTripsInItsOwnFile)
{
    QTemporaryDir folder;
    const QString data = folder.filePath(QStringLiteral("Vorquil 3/"));
    const QString config = data + QStringLiteral("Data/Config.cfg");
    ASSERT_TRUE(WriteBytes(config, WrittenFileStart + "[Init]\r\nPente = 7\r\n"));
    EXPECT_EQ(ReadNetworkWindowState(data).geometry, QRect(0, 0, 900, 520));  // nothing kept yet

    const NetworkWindowState state{QRect(-40, 30, 1024, 600), true, QStringLiteral("/home/é t é/Réseau; \"A\".csv")};
    QString error;
    ASSERT_TRUE(WriteNetworkWindowState(data, state, error)) << error.toStdString();
    const NetworkWindowState read = ReadNetworkWindowState(data);
    EXPECT_TRUE(read.geometry == state.geometry && read.placed && read.lastFile == state.lastFile);
    EXPECT_EQ(ReadBytes(config), WrittenFileStart + "[Init]\r\nPente = 7\r\n");
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
    const std::function<bool(const QString&, QString&)> writes[] = {
        [](const QString& path, QString& error) { return SaveCircuitFile(path, Awkward(), error); },
        [&](const QString& path, QString& error) {
            return WriteCalculationNote(path, note, sample.schedule, sample.result, true, error);
        },
    };
    for (const auto& write : writes) {
        for (const qint64 free : {qint64(0), qint64(40)}) {
            QTemporaryDir scratch;
            const QString path = scratch.filePath(QStringLiteral("fichier"));
            ASSERT_TRUE(WriteBytes(path, "ancien contenu\n"));
            SetFullDisk(scratch.path(), free);
            QString error;
            EXPECT_FALSE(write(path, error)) << free;
            ClearFullDisk();
            EXPECT_TRUE(error.contains(QStringLiteral("le disque est plein"))) << error.toStdString();
            EXPECT_EQ(ReadBytes(path), "ancien contenu\n");
            EXPECT_EQ(QDir(scratch.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"fichier"});
        }
    }
}

}  // namespace
