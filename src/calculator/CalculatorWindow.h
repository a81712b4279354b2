// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Calculator.h"
#include "SecondaryWindow.h"

#include <functional>
#include <optional>

class TLabel;
class TsuiButton;
class TsuiCustomComboBox;
class TsuiMemo;

// "Kalkulator chemiczny": one field, "Wzór lub równanie:", which has the focus whenever the window
// opens; Return (or "Oblicz") answers in the labels and the working below it. A mistake is told in
// red and its place in the entry selected; no answer of an earlier entry stays under it. The last
// entries are kept in the field's list (Up recalls them); "Kopiuj wynik" puts the answer on the
// clipboard. The atomic weights are read when first needed.
class TKalkulator : public TSecondaryWindow {
    Q_OBJECT
public:
    TKalkulator(const QWidget* mainWindow, std::function<WeightTable()> weights);

    static constexpr int HistorySize = 20;

    TsuiCustomComboBox* EntryBox = nullptr;
    TsuiButton* CalculateButton = nullptr;
    TLabel* HeadingLabel = nullptr;
    TsuiMemo* WorkingMemo = nullptr;
    TsuiButton *CopyButton = nullptr, *CloseButton = nullptr;

    // The answer on show, if any.
    const std::optional<CalculatorAnswer>& Answer() const { return answer_; }
    void CalculateEntry();

protected:
    void BuildContents() override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Show(const CalculatorAnswer& answer);
    void Remember(const QString& entry);

    std::function<WeightTable()> readWeights_;
    std::optional<WeightTable> weights_;
    std::optional<CalculatorAnswer> answer_;
};
