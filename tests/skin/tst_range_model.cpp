// SPDX-License-Identifier: GPL-3.0-or-later
#include "RangeModel.h"

#include <QtTest>

namespace {

// A model with a recorder of what it reported: "m" for every move, the position for every change.
struct Recorded {
    Recorded()
    {
        model.OnMove = [this] { log += "m"; };
        model.OnChange = [this] { log += QString::number(model.Position()) + " "; };
    }
    RangeModel model;
    QString log;
};

} // namespace

class TestRangeModel : public QObject {
    Q_OBJECT

private slots:
    void positionIsClampedAndOnlyRealChangesAreReported()
    {
        Recorded r;
        RangeModel& m = r.model;
        QCOMPARE(std::tuple(m.Min(), m.Max(), m.Position(), m.PageSize(), m.LineSize()), std::tuple(0, 10, 0, 2, 1));
        m.SetMax(5700);
        m.SetMin(-273);
        QCOMPARE(m.Position(), 0);
        m.SetPosition(6000);
        m.SetPosition(6000);  // the same position again: moved, but no change
        m.SetPosition(-300);
        m.SetPosition(-273);
        QCOMPARE(r.log, QString("mmm5700 mm-273 m"));
        QCOMPARE(m.LastPosition(), -273);
    }

    void boundsPullEachOtherAndThePosition()
    {
        Recorded r;
        RangeModel& m = r.model;
        m.SetPosition(8);
        r.log.clear();
        m.SetMax(10);  // unchanged: nothing at all
        QCOMPARE(r.log, QString());
        m.SetMax(5);  // below the position: it follows, reported once
        QCOMPARE(r.log, QString("m5 "));
        m.SetMin(9);  // above Max: pulled down to it
        QCOMPARE(std::pair(m.Min(), m.Max()), std::pair(5, 5));
        m.SetMax(-3);  // below Min: raised to it
        QCOMPARE(std::tuple(m.Min(), m.Max(), m.Position()), std::tuple(5, 5, 5));
        m.SetMin(-10);
        m.SetMax(20);
        m.SetPosition(-4);
        QCOMPARE(m.Position(), -4);
        m.SetMin(0);  // the position rises with Min
        QCOMPARE(m.Position(), 0);
    }

    void stepsAreAcceptedOnlyUpToMax()
    {
        RangeModel m;
        m.SetMax(1);
        m.SetPageSize(2);
        m.SetLineSize(-1);
        QCOMPARE(std::pair(m.PageSize(), m.LineSize()), std::pair(2, 1));  // both ignored
        m.SetPageSize(1);
        QCOMPARE(m.PageSize(), 1);
        m.SetMin(-20);
        m.SetMax(-5);
        m.SetPageSize(0);
        m.SetLineSize(0);
        QCOMPARE(std::pair(m.PageSize(), m.LineSize()), std::pair(1, 1));  // nothing fits below a negative Max
    }
};

QTEST_MAIN(TestRangeModel)
#include "tst_range_model.moc"
