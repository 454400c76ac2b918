#include "app/virtualsignwiring.h"

#include "app/devicecontext.h"
#include "app/mainwindow.h"
#include "app/virtualsign.h"
#include "sim/cardcontent.h"
#include "sim/virtualcard.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>
#include <memory>

namespace dotsign {

namespace {

SignContent cardContent(DeviceContext& context, VirtualCard& card)
{
    const HardwareSettings& hw = context.state.hw;
    return signContentFromCard(card, hw.screenWidth, hw.screenHeight,
                               context.state.cur().colourType == 0 ? 1 : 2);
}

QMenu* sendMenu(TMAINForm& window)
{
    return window.findChild<QMenu*>(QStringLiteral("M_Send"));
}

} // namespace

void wireVirtualSign(TMAINForm& window, DeviceContext& context)
{
    auto* sign = new VirtualSignWindow(&window);
    sign->setWindowFlag(Qt::Window);
    sign->setWindowTitle(QCoreApplication::translate("VirtualSign", kVirtualSignPort));
    sign->resize(900, 420);
    auto* reload = new QTimer(sign);
    reload->setSingleShot(true);
    reload->setInterval(300);

    // Shows the card's content; when the card gets a new download while the
    // window is open, the window follows once the last program has ended.
    auto followed = std::make_shared<QPointer<VirtualCard>>();
    auto showCard = [&context, sign, reload, followed]() {
        VirtualCard* card = context.ensureVirtualCard();
        if (!card)
            return;
        if (!card->programs().empty())
            sign->setContent(cardContent(context, *card));
        if (*followed != card) {
            *followed = card;
            QObject::connect(card, &VirtualCard::frameReceived, reload, [reload](const LoggedFrame& frame) {
                if (frame.kind == CardFrameKind::EndOfProgram)
                    reload->start();
            });
        }
    };
    QObject::connect(reload, &QTimer::timeout, sign, [&context, sign] {
        if (context.virtualCard && !context.virtualCard->programs().empty())
            sign->setContent(cardContent(context, *context.virtualCard));
    });

    auto* action = new QAction(QCoreApplication::translate("VirtualSign", kVirtualSignPort), &window);
    action->setObjectName(QStringLiteral("N_VirtualSign"));
    action->setStatusTip(
        QCoreApplication::translate("VirtualSignWiring", "在屏幕上播放控制卡将要显示的内容"));
    QObject::connect(action, &QAction::triggered, sign, [sign, showCard] {
        showCard();
        sign->show();
        sign->raise();
        sign->activateWindow();
    });
    if (QMenu* menu = sendMenu(window)) {
        menu->addSeparator();
        menu->addAction(action);
    }
}

} // namespace dotsign
