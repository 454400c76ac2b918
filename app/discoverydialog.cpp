#include "app/discoverydialog.h"

#include "app/devicecontext.h"
#include "app/portdialog.h"
#include "link/portsettings.h"
#include "link/senders.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace dotsign {

TF_com::TF_com(DeviceContext& context, QWidget* parent) : QDialog(parent), m_context(context)
{
    setObjectName(QStringLiteral("TF_com"));
    setWindowTitle(tr("查找显示屏"));
    m_label = new QLabel(this);
    m_label->setMinimumWidth(320);
    m_progress = new QProgressBar(this);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_search = new QPushButton(tr("自动查找"), this);
    m_manual = new QPushButton(tr("手动配置"), this);
    m_close = new QPushButton(tr("关闭"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {m_search, m_manual, m_close})
        buttons->addWidget(b);
    auto* v = new QVBoxLayout(this);
    v->addWidget(m_label);
    v->addWidget(m_progress);
    v->addLayout(buttons);
    connect(m_search, &QPushButton::clicked, this, &TF_com::autoSearch);
    connect(m_manual, &QPushButton::clicked, this, &TF_com::manualConfig);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
}

void TF_com::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The scan starts by itself once the dialog is on the screen.
    QTimer::singleShot(0, this, &TF_com::autoSearch);
}

void TF_com::reject()
{
    if (!m_scanning)
        QDialog::reject();
}

void TF_com::closeEvent(QCloseEvent* event)
{
    if (m_scanning)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void TF_com::autoSearch()
{
    if (m_scanning)
        return;
    const QStringList ports = m_context.portNames();
    if (ports.isEmpty()) {
        m_label->setText(tr("电脑可能没有串口请检查后再操作。"));
        emit scanFinished(false);
        return;
    }
    m_scanning = true;
    // Closing or a second scan inside a reply wait would pull the port away.
    for (QPushButton* b : {m_search, m_manual, m_close})
        b->setEnabled(false);
    m_context.startCommand(ReplyToTarget);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    bool found = false;
    for (int i = 0; i < ports.size() && !found; ++i)
        found = probe(ports, i);
    if (!found) {
        m_progress->setValue(100);
        m_label->setText(tr("没有找到显示屏,请检查硬件和通讯线。"));
    }
    for (QPushButton* b : {m_search, m_manual, m_close})
        b->setEnabled(true);
    m_scanning = false;
    m_context.statusChanged();
    emit scanFinished(found);
}

bool TF_com::probe(const QStringList& ports, int i)
{
    const QString& port = ports.at(i);
    m_progress->setValue(m_progress->value() + 100 / static_cast<int>(ports.size()));
    m_context.link.resetReceive();
    m_context.link.ReplyFlag = 0;
    m_context.report(this, Combo1Change(m_context.state, ports, port));
    // Whether or not the editing handlers are armed, the probe goes out on
    // the port being tried.
    m_context.state.serial.portName = port;
    m_context.resolvePort();
    m_label->setText(tr("探测%1......").arg(port));
    if (m_context.transport->isOpen())
        return false;
    const ExchangeResult r = SendDiscoveryProbe(*m_context.exchange);
    if (r.portFailed || !r.acknowledged)
        return false;
    m_progress->setValue(100);
    m_label->setText(tr("已经找到显示屏在%1").arg(port));
    return true;
}

void TF_com::manualConfig()
{
    ProjectState& state = m_context.state;
    runPortSettings(m_context, this);
    m_context.report(this, storeLinkSettings(state, false));
    m_context.statusChanged();
}

} // namespace dotsign
