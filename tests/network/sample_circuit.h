#pragma once

#include <QBuffer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "engines/circuit.h"
#include "engines/delivered_libraries.h"
#include "engines/duct_tables.h"
#include "engines/library_files.h"
#include "engines/settings_file.h"
#include "support/scratch_files.h"

// A circuit sized on the delivered libraries and configuration, with a
// catalogue of its own, for the network layer's tests.

inline const QByteArray SampleCatalogue =
    "\xEF\xBB\xBF[Global]\r\nNom = Essai\r\nDomaine = eau\r\n"
    "[coude90]\r\nLibelle = Coude 90°\r\nType = zeta\r\nValeur = 0.9\r\n"
    "Source = Manuel d'essai, tableau 3.3\r\n"
    "[robinet_kv]\r\nLibelle = Robinet de réglage\r\nType = kv\r\nValeur = 1.0\r\n"
    "Source = Fabricant d'essai, fiche 12\r\n";

// A trunk and two ends, accents in an id, a Kv valve, a fixed loss.
inline const QByteArray SampleSchedule = "kind;library;id;upstream;length;flow;fittings;fixed\n"
                                         "water;Cuivre;T1;;10;;coude90*2;\n"
                                         "water;Cuivre;Départ;T1;5.5;500;coude90;10kPa\n"
                                         "water;Cuivre;R2;T1;8;300;robinet_kv+0,5;\n";

struct SampleCircuit {
    QTemporaryDir folder;
    DomainState data;
    FittingCatalogue catalogue;
    CircuitSchedule schedule;
    CircuitResult result;
};

inline void SizeSample(SampleCircuit& sample, const QByteArray& csv = SampleSchedule)
{
    const QString delivered = DeliveredLibraryFolder();
    PipeLibraryList unusedWater, unusedDrainage;
    ASSERT_TRUE(
        LoadSettings(delivered + QStringLiteral("Config.cfg"), unusedWater, unusedDrainage, sample.data.settings, 1));
    ScanLibraryFolder(delivered, sample.data.waterLibraries, sample.data.drainageLibraries);
    FillDuctTables(sample.data.ductMaterials, sample.data.standardDuctDiameters);
    ASSERT_TRUE(WriteBytes(sample.folder.filePath(QStringLiteral("essai.pdc")), SampleCatalogue));
    QStringList problems;
    sample.catalogue = LoadFittingCatalogue(sample.folder.path(), QString(), problems);
    ASSERT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
    QByteArray bytes = csv;
    QBuffer in(&bytes);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    QString error;
    ASSERT_TRUE(ReadCircuitSchedule(in, sample.schedule, error)) << error.toStdString();
    sample.result = SizeCircuit(sample.data, sample.catalogue, sample.schedule, SectionOptions());
    ASSERT_EQ(sample.result.failed, 0);
}
