#include "app/usbdialog.h"

#include "app/dialogs.h"
#include "app/findingsdialog.h"
#include "app/mainwindow.h"
#include "usbdisk/usbexport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

namespace dotsign {

TF_usb::TF_usb(DeviceContext& context, QWidget* parent)
    : QDialog(parent), m_context(context), m_volumes(context.volumes())
{
    setObjectName(QStringLiteral("TF_usb"));
    setWindowTitle(tr("U盘数据保存"));
    auto* group = new QGroupBox(tr("请选择U盘所在的设备"), this);
    m_volume = new QComboBox(group);
    for (const UsbVolume& v : std::as_const(m_volumes))
        m_volume->addItem(v.name == v.rootPath ? v.rootPath
                                               : QStringLiteral("%1 (%2)").arg(v.name, v.rootPath));
    (new QVBoxLayout(group))->addWidget(m_volume);
    m_border = new QCheckBox(tr("选择流水边框效果"), this);
    m_save = new QPushButton(tr("保存"), this);
    m_save->setEnabled(!m_volumes.isEmpty());
    m_close = new QPushButton(tr("关闭"), this);
    m_bar = new QProgressBar(this);
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    auto* status = new QStatusBar(this);
    status->setSizeGripEnabled(false);
    m_program = new QLabel(tr("正在下载节目%1").arg(1), status);
    m_program->setAlignment(Qt::AlignCenter);
    m_program->setMinimumWidth(160);
    m_percent = new QLabel(QStringLiteral("1%"), status);
    m_percent->setMinimumWidth(50);
    m_third = new QLabel(status);
    status->addWidget(m_program);
    status->addWidget(m_percent);
    status->addWidget(m_third, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_border);
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(m_close);
    auto* v = new QVBoxLayout(this);
    v->addWidget(group);
    v->addLayout(buttons);
    v->addWidget(m_bar);
    v->addWidget(status);
    connect(m_save, &QPushButton::clicked, this, &TF_usb::save);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
}

void TF_usb::save()
{
    const int i = m_volume->currentIndex();
    if (i < 0 || i >= m_volumes.size() || !m_context.planes)
        return;
    const UsbVolume volume = m_volumes.at(i);
    // The disk may have been pulled since the list was made: the export must
    // not land on the computer's own disk under the old mount point.
    const QList<UsbVolume> present = m_context.volumes();
    const bool stillMounted = std::any_of(present.begin(), present.end(),
                                          [&](const UsbVolume& v) { return v.rootPath == volume.rootPath; });
    if (!stillMounted) {
        m_context.dialogs.error(
            this, QString(),
            tr("数据没有导入成功。\n%1 已不在电脑上，请插好U盘后重新选择。").arg(volume.name));
        return;
    }
    m_program->clear();
    m_percent->clear();
    m_third->clear();
    m_bar->setValue(0);
    // Closing the dialog in the middle would pull the planes from under the export.
    m_save->setEnabled(false);
    m_close->setEnabled(false);
    DownloadObserver observer;
    observer.programStarted = [this](int n, qint64 total) {
        m_program->setText(tr("正在下载节目%1").arg(n));
        m_percent->clear();
        m_bar->setRange(0, static_cast<int>(std::clamp<qint64>(total, 0, INT_MAX)));
        m_bar->setValue(0);
    };
    observer.progress = [this](qint64 done, qint64 total) {
        m_bar->setValue(static_cast<int>(std::clamp<qint64>(done, 0, m_bar->maximum())));
        if (total > 0)
            m_percent->setText(QStringLiteral("%1%").arg(done * 100 / total));
        m_bar->repaint();
    };
    observer.note = [this](const Status& note) { m_context.report(this, note); };
    const Status st = transdata_usb(m_context.state, *m_context.planes, m_context.link,
                                    usbExportPath(volume.rootPath), m_border->isChecked(), observer);
    m_save->setEnabled(true);
    m_close->setEnabled(true);
    if (st)
        m_context.dialogs.information(this, tr("数据导入到%1盘。").arg(volume.name));
    else
        m_context.dialogs.error(this, st.caption, st.message);
}

void TBXItem13Click(DeviceContext& context, TMAINForm& window)
{
    ProjectState& state = context.state;
    if (state.cur().programCount > 0) {
        state.currentProgram = 1;
        window.find_jiemu();
        window.OBJECT_TREEMouseDown(window.tree());
    }
    if (!confirmPreflight(context, window))
        return;
    {
        DeviceCommandsGuard guard(context.commands);
        TF_usb dialog(context, &window);
        context.dialogs.exec(dialog);
    }
    if (state.cur().programCount > 0) {
        window.find_fenqu(1);
        window.OBJECT_TREEMouseDown(window.tree());
    }
}

} // namespace dotsign
