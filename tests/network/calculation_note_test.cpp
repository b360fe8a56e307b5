#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "base/identity.h"
#include "engines/circuit_texts.h"
#include "network/calculation_note.h"
#include "network/sample_circuit.h"

namespace {

// What a poppler tool says of a PDF.
QString Poppler(const char* tool, const QStringList& arguments)
{
    QProcess process;
    process.start(QString::fromLatin1(tool), arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Blanks of every kind left out, so that wrapping and digit grouping do not matter.
QString Packed(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("[\\s\\x{00A0}\\x{202F}\\x{200B}\\x{2060}]")));
}

TEST(CalculationNote, NamesTheDutyPointAndEachCatalogueEntryOnce)
{
    SampleCircuit sample;
    ASSERT_NO_FATAL_FAILURE(SizeSample(sample));
    const CalculationNote note = CalculationNoteOf(sample.result, true);
    ASSERT_EQ(note.fittings.size(), 2u);
    EXPECT_EQ(note.fittings[0].code, QStringLiteral("coude90"));
    EXPECT_EQ(note.fittings[1].source, QStringLiteral("Fabricant d'essai, fiche 12"));
    ASSERT_EQ(note.dutyPoints.size(), 1u);
    EXPECT_EQ(Packed(note.dutyPoints[0].flow), QStringLiteral("800L/h"));  // 500 + 300
    // The status line's digits.
    EXPECT_TRUE(note.dutyPoints[0].indexCircuit.contains(note.dutyPoints[0].head))
        << note.dutyPoints[0].head.toStdString();
    EXPECT_EQ(note.density, sample.result.rows[0].density);
    EXPECT_GT(note.viscosity, 0.0);
    EXPECT_EQ(note.date, QDate::currentDate());
}

TEST(CalculationNote, WritesAnA4LandscapePdfWithTheHeadEveryRowAndTheSources)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is missing";
    SampleCircuit sample;
    ASSERT_NO_FATAL_FAILURE(SizeSample(sample));
    CalculationNote note = CalculationNoteOf(sample.result, true);
    note.project = QStringLiteral("Résidence « Les Tilleuls »");
    note.fluid = QStringLiteral("Eau, départ 70 °C, retour 50 °C");
    note.rules = QStringList{QStringLiteral("Bibliothèque : Cuivre")};
    const QString path = sample.folder.filePath(QStringLiteral("note.pdf"));
    QString error;
    ASSERT_TRUE(WriteCalculationNote(path, note, sample.schedule, sample.result, true, error)) << error.toStdString();

    const QString text = Packed(Poppler("pdftotext", {path, QStringLiteral("-")}));
    const CalcFields summary = CircuitSummaryFields(sample.result, sample.result.circuits[0]);
    QString head;
    for (const CalcField& field : summary)
        if (field.name == QLatin1String("head"))
            head = field.text;
    ASSERT_FALSE(head.isEmpty());
    const QStringList expected = {QStringLiteral("Résidence«LesTilleuls»"),
                                  head.replace(u'.', u',') + "mmCE",
                                  QStringLiteral("T1"),
                                  QStringLiteral("Départ"),
                                  QStringLiteral("R2"),
                                  QStringLiteral("Manueld'essai,tableau3.3"),
                                  QStringLiteral("Fabricantd'essai,fiche12"),
                                  QStringLiteral("Bibliothèque:Cuivre"),
                                  ProgramVersion};
    for (const QString& piece : expected)
        EXPECT_TRUE(text.contains(piece)) << piece.toStdString() << " not in " << text.toStdString();
    const QString info = Poppler("pdfinfo", {path});
    EXPECT_TRUE(
        info.contains(QRegularExpression(QStringLiteral("Page size: +84[12][.0-9]* x 595[.0-9]* pts \\(A4\\)"))))
        << info.toStdString();

    // A folder that does not exist: refused, said, nothing written.
    const QString nowhere = sample.folder.filePath(QStringLiteral("absent/note.pdf"));
    EXPECT_FALSE(WriteCalculationNote(nowhere, note, sample.schedule, sample.result, true, error));
    EXPECT_TRUE(error.contains(QStringLiteral("le dossier n'existe pas"))) << error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(nowhere));
}

}  // namespace
