#include "app/downloaddialog.h"

#include "app/devicecontext.h"
#include "app/dialogs.h"
#include "app/findingsdialog.h"
#include "app/mainwindow.h"
#include "app/sendestimate.h"
#include "link/frames.h"
#include "link/transdata.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

namespace dotsign {

namespace {

QList<qint64> streamSizes(const ProjectState& state)
{
    QList<qint64> sizes;
    for (int n = 1; n <= std::clamp(state.cur().programCount, 0, kMaxPrograms); ++n) {
        const auto shape = programShape(state, n);
        sizes << (shape ? shape->streamBytes() : 0);
    }
    return sizes;
}

} // namespace

TFDown::TFDown(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TFDown"));
    setWindowTitle(tr("节目信息下载进度"));
    m_bar = new QProgressBar(this);
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    m_estimate = new QLabel(this);
    auto* status = new QStatusBar(this);
    status->setSizeGripEnabled(false);
    m_program = new QLabel(tr("正在下载节目%1").arg(1), status);
    m_program->setFixedWidth(200);
    m_program->setAlignment(Qt::AlignCenter);
    m_percent = new QLabel(QStringLiteral("1%"), status);
    m_percent->setFixedWidth(50);
    status->addWidget(m_program);
    status->addWidget(m_percent);
    auto* v = new QVBoxLayout(this);
    v->addWidget(new QLabel(tr("完成进度"), this));
    v->addWidget(m_bar);
    v->addWidget(m_estimate);
    v->addWidget(status);
    setFixedSize(380, 150);
}

void TFDown::begin(const QList<qint64>& streamBytes, int baudRate, bool classA)
{
    m_streamBytes = streamBytes;
    m_baudRate = baudRate;
    m_classA = classA;
    m_current = 0;
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_totalMs = remainingSendMs(m_streamBytes, m_baudRate, m_classA, 0, 0);
    showEstimate(0);
}

void TFDown::programStarted(int program, qint64 totalBytes)
{
    // Rendering may have changed the program's height since the estimate.
    if (program >= 1 && program <= m_streamBytes.size())
        m_streamBytes[program - 1] = totalBytes;
    m_current = program;
    m_program->setText(tr("正在下载节目%1").arg(program));
    m_percent->clear();
    m_bar->setRange(0, static_cast<int>(std::clamp<qint64>(totalBytes, 0, INT_MAX)));
    m_bar->setValue(0);
    showEstimate(0);
}

void TFDown::progress(qint64 done, qint64 total)
{
    m_bar->setValue(static_cast<int>(std::clamp<qint64>(done, 0, m_bar->maximum())));
    if (total > 0)
        m_percent->setText(QStringLiteral("%1%").arg(done * 100 / total));
    showEstimate(done);
}

void TFDown::showEstimate(qint64 done)
{
    const qint64 left = remainingSendMs(m_streamBytes, m_baudRate, m_classA, m_current, done);
    m_estimate->setText(tr("预计总时间：%1    剩余时间：%2")
                            .arg(durationText(std::max(m_totalMs, left)), durationText(left)));
}

void TBXItem7Click(DeviceContext& context, TMAINForm& window, TFDown& progress)
{
    ProjectState& state = context.state;
    if (context.portNames().isEmpty()) {
        context.dialogs.information(&window, TFDown::tr("电脑可能没有串口请检查后再操作。"));
        return;
    }
    context.startCommand(ReplyToTarget);
    if (state.cur().programCount > 0) {
        state.currentProgram = 1;
        window.find_jiemu();
        window.OBJECT_TREEMouseDown(window.tree());
    }
    if (!confirmPreflight(context, window))
        return;
    if (!context.dialogs.question(
            &window, TFDown::tr("请确定是否发送当前这些节目到显示屏内?\r\n发送按'Yes',不发送按'NO'.")))
        return;
    if (!context.planes) {
        context.dialogs.error(&window, QString(), sendFailedMessage());
        return;
    }
    DeviceCommandsGuard guard(context.commands);
    progress.begin(streamSizes(state), state.serial.baudRate, isCardClassA(state.cur().cardModel));
    if (!progress.isVisible())
        progress.show();
    DownloadObserver observer;
    observer.programStarted = [&progress](int n, qint64 total) { progress.programStarted(n, total); };
    observer.progress = [&progress](qint64 done, qint64 total) { progress.progress(done, total); };
    observer.note = [&](const Status& note) { context.report(&window, note); };
    const Status st = transdata(*context.exchange, *context.planes, observer);
    progress.hide();
    if (!st)
        context.dialogs.error(&window, st.caption, st.message);
}

} // namespace dotsign
