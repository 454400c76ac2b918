// Display discovery over three pseudo-terminals.

#include "app/discoverydialog.h"
#include "app/mainwindow.h"
#include "support_devices.h"

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace dotsign;
using namespace dotsign::test;

namespace {

const QString kNotFound = QStringLiteral("没有找到显示屏,请检查硬件和通讯线。");

std::unique_ptr<VirtualCard> startCard(char cardClass)
{
    CardOptions o;
    o.cardClass = cardClass;
    auto card = std::make_unique<VirtualCard>(o);
    EXPECT_TRUE(card->start().ok);
    return card;
}

struct Scan
{
    QString label;
    std::vector<int> progress;
    bool found = false;
};

// Opens the dialog, which scans by itself, and records what it showed.
Scan runDiscovery(DeviceRig& rig)
{
    Scan scan;
    rig.onDialog<TF_com>([&](TF_com& d) {
        QObject::connect(d.progress(), &QProgressBar::valueChanged,
                         [&scan](int v) { scan.progress.push_back(v); });
        QSignalSpy finished(&d, &TF_com::scanFinished);
        // Escape in the middle of the scan does not take the dialog away.
        QObject::connect(d.progress(), &QProgressBar::valueChanged, &d, [&d] {
            d.reject();
            EXPECT_TRUE(d.isVisible());
        });
        d.show();
        EXPECT_TRUE(finished.wait(30000));
        scan.label = d.label()->text();
        scan.found = !finished.isEmpty() && finished.first().first().toBool();
        d.hide();
        return int(QDialog::Rejected);
    });
    rig.trigger("T_Find");
    return scan;
}

} // namespace

TEST(Discovery, FindsTheCardOnTheSecondOfThreePorts)
{
    DeviceRig rig; // answers: the second port
    rig.open();
    auto silent = startCard('A');
    auto third = startCard('B');
    const QStringList ports = {silent->portPath(), rig.card.portPath(), third->portPath()};
    rig.context->portNames = [ports] { return ports; };
    rig.fx.state.cur().serialPort = ports.at(0);

    const Scan scan = runDiscovery(rig);
    EXPECT_TRUE(scan.found);
    EXPECT_EQ(scan.label, QStringLiteral("已经找到显示屏在") + ports.at(1));
    EXPECT_EQ(scan.progress, (std::vector<int>{33, 66, 100}));
    EXPECT_TRUE(third->log().empty()) << "the scan stops at the first answer";
    EXPECT_EQ(silent->log().size(), 1u);
    EXPECT_EQ(rig.fx.state.cur().serialPort, ports.at(1));
    EXPECT_EQ(rig.iniValue(QStringLiteral("显示屏串口"), QStringLiteral("串口")), ports.at(1));
    EXPECT_EQ(rig.fx.window->findChild<QComboBox*>(QStringLiteral("Combo1"))->currentText(), ports.at(1))
        << "the status bar shows the port found";
}

TEST(Discovery, ReportsNoneWhenEveryPortIsSilentOrGone)
{
    DeviceRig rig('A');
    rig.open();
    auto second = startCard('A');
    const QStringList ports = {rig.card.portPath(), second->portPath(),
                               QStringLiteral("/dev/dotsign-no-such-port")};
    rig.context->portNames = [ports] { return ports; };

    const Scan scan = runDiscovery(rig);
    EXPECT_FALSE(scan.found);
    EXPECT_EQ(scan.label, kNotFound);
    EXPECT_EQ(scan.progress.back(), 100);
    EXPECT_EQ(rig.fx.state.cur().serialPort, ports.at(2)) << "the screen stays on the last port tried";
    EXPECT_EQ(second->log().size(), 1u);
    EXPECT_TRUE(rig.fx.dialogs.messages.empty()) << "a port that cannot be opened is only skipped";
}

TEST(Discovery, RefusedForAClassCardsAndWithoutPorts)
{
    DeviceRig rig('A');
    rig.open({QStringLiteral("A类卡")});
    bool shown = false;
    rig.onDialog<TF_com>([&](TF_com&) {
        shown = true;
        return int(QDialog::Rejected);
    });
    rig.trigger("T_Find");
    EXPECT_FALSE(shown);
    EXPECT_EQ(rig.fx.dialogs.messages,
              std::vector<QString>{QStringLiteral("A类卡不支持这个功能，只有B类卡和C类卡支持。")});
    EXPECT_TRUE(rig.card.log().empty());

    DeviceRig noPorts;
    noPorts.open();
    noPorts.context->portNames = [] { return QStringList(); };
    const Scan scan = runDiscovery(noPorts);
    EXPECT_EQ(scan.label, QStringLiteral("电脑可能没有串口请检查后再操作。"));
}
