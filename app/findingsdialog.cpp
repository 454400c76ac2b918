#include "app/findingsdialog.h"

#include "link/contentcheck.h"
#include "render/ledplanes.h"

#include <memory>

#include "app/devicecontext.h"
#include "app/dialogs.h"
#include "app/mainwindow.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace dotsign {

namespace {

QString placeText(int value)
{
    return value > 0 ? QString::number(value) : QStringLiteral("-");
}

} // namespace

FindingsDialog::FindingsDialog(const QList<Finding>& findings, QWidget* parent)
    : QDialog(parent), m_findings(findings)
{
    setObjectName(QStringLiteral("FindingsDialog"));
    setWindowTitle(tr("发送前检查"));
    auto* note = new QLabel(tr("检查节目时发现以下问题（双击一行可转到该分区修改）："), this);
    m_list = new QTreeWidget(this);
    m_list->setColumnCount(4);
    m_list->setHeaderLabels({tr("严重程度"), tr("节目"), tr("分区"), tr("说明")});
    m_list->setRootIsDecorated(false);
    for (int i = 0; i < m_findings.size(); ++i) {
        const Finding& f = m_findings.at(i);
        auto* row = new QTreeWidgetItem(
            m_list, {severityCaption(f.severity), placeText(f.program), placeText(f.zone), f.message});
        row->setData(0, Qt::UserRole, i);
        row->setToolTip(3, f.message);
        if (f.severity == Severity::Error)
            row->setForeground(0, QColor(0xc0, 0x20, 0x20));
    }
    m_list->header()->setStretchLastSection(true);
    m_list->resizeColumnToContents(0);
    m_list->setMinimumSize(720, 220);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("继续"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("取消"), QDialogButtonBox::RejectRole);
    auto* v = new QVBoxLayout(this);
    v->addWidget(note);
    v->addWidget(m_list, 1);
    v->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* row) {
        const int i = row->data(0, Qt::UserRole).toInt();
        if (i < 0 || i >= m_findings.size())
            return;
        m_chosen = &m_findings.at(i);
        done(GoToZone);
    });
}

bool confirmPreflight(DeviceContext& context, TMAINForm& window)
{
    // The check renders every program as the download will; it writes no files.
    std::unique_ptr<LedPlanes> scratch;
    LedPlanes* planes = context.planes;
    if (!planes) {
        scratch = std::make_unique<LedPlanes>();
        planes = scratch.get();
    }
    const QList<Finding> findings = checkProject(context.state, *planes);
    if (findings.isEmpty())
        return true;
    FindingsDialog dialog(findings, &window);
    const int result = context.dialogs.exec(dialog);
    if (result == FindingsDialog::GoToZone && dialog.chosen()) {
        const Finding& f = *dialog.chosen();
        if (f.program >= 1 && f.program <= context.state.cur().programCount) {
            context.state.currentProgram = f.program;
            if (f.zone >= 1)
                window.find_fenqu(f.zone);
            else
                window.find_jiemu();
            window.OBJECT_TREEMouseDown(window.tree());
        }
        return false;
    }
    if (result != QDialog::Accepted)
        return false;
    const bool errors = std::any_of(findings.begin(), findings.end(),
                                    [](const Finding& f) { return f.severity == Severity::Error; });
    return !errors ||
           context.dialogs.question(&window, FindingsDialog::tr("节目中有错误，显示屏可能无法正确显示。\r\n"
                                                                "仍然继续按'Yes',不继续按'NO'."));
}

} // namespace dotsign
