#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The fittings catalogue: what each code of a circuit's "fittings" cell adds
// to its section. Files "*.pdc" in the group-and-key format, one group per
// code after [Global] (Nom, Domaine = eau | air).

enum class FittingDomain { Water, Air };

// How a fitting's value is used.
//   Zeta      : dimensionless loss coefficient, times rho v^2 / 2 of its section
//   Kv        : flow coefficient [m3/h at 1 bar], water only
//   FixedLoss : a fixed pressure loss [Pa]
enum class FittingType { Zeta, Kv, FixedLoss };

struct Fitting {
    QString code;   // letters, digits and "_", at most 24 characters, as written in its file
    QString label;  // "Libelle"
    FittingType type = FittingType::Zeta;
    double value = 0.0;  // zeta [-], Kv [m3/h] or dp [Pa], after its "Type"
    QString source;      // "Source": where the value comes from
    FittingDomain domain = FittingDomain::Water;
    QString file;  // the file it was read from
};

struct FittingCatalogue {
    std::vector<Fitting> fittings;
};

// The catalogue of the delivered files ("*.pdc" of `deliveredFolder`), then
// those of `userFolder` (empty: none): a code the user's files define
// replaces the delivered code of the same name and domain, and within one
// folder the first file in name order wins. A file or group that cannot be
// read is skipped and said in `problems` (French, naming the file).
FittingCatalogue LoadFittingCatalogue(const QString& deliveredFolder, const QString& userFolder, QStringList& problems);

// The fitting of `code` in `domain`, compared without regard to case;
// nullptr when there is none.
const Fitting* FindFitting(const FittingCatalogue& catalogue, FittingDomain domain, const QString& code);
