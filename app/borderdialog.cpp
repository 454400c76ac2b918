#include "app/borderdialog.h"

#include "app/devicecontext.h"
#include "link/frames.h"
#include "link/senders.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace dotsign {

TF_LSBK::TF_LSBK(DeviceContext& context, QWidget* parent) : QDialog(parent), m_context(context)
{
    setObjectName(QStringLiteral("TF_LSBK"));
    setWindowTitle(tr("流水边框功能"));
    m_border = new QCheckBox(tr("选择带流水边框"), this);
    m_send = new QPushButton(tr("发送"), this);
    auto* close = new QPushButton(tr("关闭"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_send);
    buttons->addWidget(close);
    auto* v = new QVBoxLayout(this);
    v->addWidget(m_border);
    v->addLayout(buttons);
    connect(m_send, &QPushButton::clicked, this, &TF_LSBK::send);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void TF_LSBK::send()
{
    m_send->setEnabled(false);
    const Status sent = Sendlsbk(*m_context.exchange, m_border->isChecked() ? kBorderOn : kBorderOff);
    m_send->setEnabled(true);
    m_context.report(this, sent);
}

} // namespace dotsign
