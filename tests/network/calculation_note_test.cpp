#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "base/identity.h"
#include "engines/circuit_texts.h"
#include "network/calculation_note.h"
#include "network/sample_circuit.h"

namespace {

// What a poppler tool says of a PDF, blanks of every kind left out, so that
// wrapping and digit grouping do not matter.
QString Poppler(const char* tool, const QStringList& arguments)
{
    QProcess process;
    process.start(QString::fromLatin1(tool), arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput())
        .remove(QRegularExpression(QStringLiteral("[\\s\\x{00A0}\\x{202F}\\x{200B}\\x{2060}]")));
}

TEST(CalculationNote, IsAnA4LandscapePdfWithTheDutyPointEveryRowAndEachSourceOnce)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is missing";
    SampleCircuit sample;
    ASSERT_NO_FATAL_FAILURE(SizeSample(sample));
    CalculationNote note = CalculationNoteOf(sample.result, true);
    EXPECT_EQ(note.density, sample.result.rows[0].density);
    note.project = QStringLiteral("Résidence « Les Tilleuls »");
    note.rules = QStringList{QStringLiteral("Bibliothèque : Cuivre")};
    const QString path = sample.folder.filePath(QStringLiteral("note.pdf"));
    QString error;
    ASSERT_TRUE(WriteCalculationNote(path, note, sample.schedule, sample.result, true, error)) << error.toStdString();

    const QString text = Poppler("pdftotext", {path, QStringLiteral("-")});
    QString head = note.dutyPoints.at(0).head;  // the status line's digits
    EXPECT_TRUE(IndexCircuitLine(sample.result, sample.result.circuits[0]).contains(head)) << head.toStdString();
    const QStringList expected = {QStringLiteral("Résidence«LesTilleuls»"),
                                  QStringLiteral("Bibliothèque:Cuivre"),
                                  QStringLiteral("Pompe:débit800L/h"),  // 500 + 300 L/h
                                  head.remove(u' '),
                                  QStringLiteral("T1"),
                                  QStringLiteral("Départ"),
                                  QStringLiteral("R2"),
                                  ProgramVersion};
    for (const QString& piece : expected)
        EXPECT_TRUE(text.contains(piece)) << piece.toStdString() << " not in " << text.toStdString();
    // Each catalogue entry once, with its source.
    for (const char* source : {"Manueld'essai,tableau3.3", "Fabricantd'essai,fiche12"})
        EXPECT_EQ(text.count(QString::fromUtf8(source)), 1) << source;
    EXPECT_TRUE(Poppler("pdfinfo", {path}).contains(QRegularExpression(QStringLiteral("Pagesize:84[12][.0-9]*x595"))));

    // A folder that does not exist: refused, said, nothing written.
    const QString nowhere = sample.folder.filePath(QStringLiteral("absent/note.pdf"));
    EXPECT_FALSE(WriteCalculationNote(nowhere, note, sample.schedule, sample.result, true, error));
    EXPECT_TRUE(error.contains(QStringLiteral("le dossier n'existe pas"))) << error.toStdString();
}

}  // namespace
