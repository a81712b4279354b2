// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DataFolder.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <stdexcept>

// The figures a school table gives beside the record of "dane.dat", from "Zbiory/wlasciwosci.txt":
// a UTF-8 table, one line per element, tab-separated, '#' lines and blank lines left out. Numbers
// are written with a decimal point and kept as written, so that a figure shows the precision of
// its source; an empty field is a figure nobody has measured.

enum class DensityBasis {
    Condensed,  // a solid or liquid near 20 °C, in g/cm³
    Gas,        // a gas at 0 °C and 1013 hPa, in g/dm³
};

struct ElementProperties {
    QString Symbol;
    QString AtomicWeight;            // "22.990", or "[98]": the mass number of the longest-lived isotope
    QString Configuration;           // "[Ne] 3s1": a noble-gas core, then subshells with their counts
    bool ConfigurationPredicted = false;  // calculated: the file writes " (przewidywane)" after it
    QChar Block;                     // 's', 'p', 'd' or 'f'
    int Group = 0;                   // 1 to 18; 0 in the f rows
    int Period = 0;                  // 1 to 7
    QString Electronegativity;       // Pauling's scale
    QString Density;
    DensityBasis Basis = DensityBasis::Condensed;
    QString CovalentRadius;          // pm
    QString IonisationEnergy;        // the first, kJ/mol
    QStringList OxidationStates;     // the most common first: "+3", "+2"
    bool StatesPredicted = false;    // calculated, or seen in a handful of atoms only

    // The figure as a number, for scales; none where it is empty or bracketed ("[98]").
    static std::optional<double> Value(const QString& figure);
    // The figure as written, with the user's decimal separator: "22,990" under Polish settings.
    static QString Shown(const QString& figure);
};

// A file that is there but cannot be taken: its path, the line (0 for the file as a whole) and
// what is wrong, in Polish.
class PropertiesError : public std::runtime_error {
public:
    PropertiesError(const QString& path, int line, const QString& reason);
    // A file that is there but cannot be read at all, with the system's reason.
    static PropertiesError Unreadable(const QString& path, const QString& reason);
    QString Message() const { return message_; }

private:
    explicit PropertiesError(QString message);
    QString message_;
};

inline constexpr qsizetype MaxPropertiesBytes = 256 * 1024;  // the shipped file is under 16 KB
inline constexpr int PropertiesColumns = 12;

// The table read from the text: every line checked (its column count, every number, the symbol
// among the known ones, no symbol twice). Raises PropertiesError naming the line.
QHash<QString, ElementProperties> ParseProperties(const QByteArray& text, const QString& path,
                                                  const QStringList& knownSymbols);

// The table of the data folder; none when the file is missing (an older installation). A file
// that cannot be read, is larger than MaxPropertiesBytes or is damaged raises PropertiesError.
std::optional<QHash<QString, ElementProperties>> ReadProperties(const DataFolder& folder,
                                                                const QStringList& knownSymbols);

// The number of electrons a configuration holds: its core's and every subshell's; none when the
// text is not a configuration.
std::optional<int> ElectronCount(const QString& configuration);

// The table of a data folder read when first asked for, so that start-up never waits for it; a
// damaged file is reported once through the handler and then taken as missing.
class PropertiesStore {
public:
    PropertiesStore(DataFolder folder, std::function<QStringList()> knownSymbols,
                    std::function<void(const QString& message)> reportError);

    // The element's figures; none when the file is missing or damaged or lacks the element. Quietly
    // leaves a damaged file's report to the next call that is not quiet (a tooltip must not open a
    // message box).
    const ElementProperties* Find(const QString& symbol, bool quietly = false);
    const QHash<QString, ElementProperties>& All(bool quietly = false);

private:
    DataFolder folder_;
    std::function<QStringList()> knownSymbols_;
    std::function<void(const QString&)> reportError_;
    std::optional<QHash<QString, ElementProperties>> table_;  // read once asked for
    QString unreported_;  // a damaged file's message not yet shown
};
