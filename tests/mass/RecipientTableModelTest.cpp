#include "mass/RecipientTableModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

// Every change the list reports, as the view would see it.
struct ModelSignals {
    explicit ModelSignals(RecipientTableModel& m)
        : inserted(&m, &QAbstractItemModel::rowsInserted), removed(&m, &QAbstractItemModel::rowsRemoved),
          changed(&m, &QAbstractItemModel::dataChanged), reset(&m, &QAbstractItemModel::modelReset) {}
    void clear() {
        inserted.clear();
        removed.clear();
        changed.clear();
        reset.clear();
    }
    QSignalSpy inserted;
    QSignalSpy removed;
    QSignalSpy changed;
    QSignalSpy reset;
};

RecipientList bigList(int n) {
    RecipientList list;
    for (int i = 0; i < n; ++i)
        list.add(QStringLiteral("Kunde %1").arg(i), QStringLiteral("0049170%1").arg(i), {}, {});
    return list;
}

} // namespace

// One change in a list of 100,000 entries reaches the view as that one row,
// never as a reset that makes it fetch and lay out everything again.
TEST(RecipientTableModel, OneChangeInALongListIsOneRow) {
    RecipientList list = bigList(100000);
    RecipientTableModel model(list);
    ModelSignals s(model);

    list.add(QStringLiteral("Neu"), QStringLiteral("0049999"), {}, {});
    ASSERT_EQ(s.inserted.count(), 1);
    EXPECT_EQ(s.inserted.at(0).at(1).toInt(), 100000);
    EXPECT_EQ(s.inserted.at(0).at(2).toInt(), 100000);
    EXPECT_EQ(model.rowCount(), 100001);

    s.clear();
    list.updateByTag(50001, QStringLiteral("Geändert"), QStringLiteral("0049"), {}, {});
    ASSERT_EQ(s.changed.count(), 1);
    EXPECT_EQ(s.changed.at(0).at(0).toModelIndex().row(), 50000);
    EXPECT_EQ(s.changed.at(0).at(1).toModelIndex().row(), 50000);
    EXPECT_EQ(model.index(50000, 0).data().toString(), QStringLiteral("Geändert"));

    s.clear();
    list.removeAt(12);
    ASSERT_EQ(s.removed.count(), 1);
    EXPECT_EQ(s.removed.at(0).at(1).toInt(), 12);
    EXPECT_EQ(model.index(12, 0).data().toString(), QStringLiteral("Kunde 13"));
    EXPECT_EQ(s.reset.count(), 0);
    EXPECT_EQ(s.inserted.count() + s.changed.count(), 0);
}

TEST(RecipientTableModel, ReplacingTheListIsOneReset) {
    RecipientList list = bigList(10);
    RecipientTableModel model(list);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    ModelSignals s(model);
    RecipientList loaded = bigList(3);
    list.takeFrom(std::move(loaded));
    EXPECT_EQ(s.reset.count(), 1);
    EXPECT_EQ(model.rowCount(), 3);
    list.Clear();
    EXPECT_EQ(s.reset.count(), 2);
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(s.inserted.count(), 0);
}
