#include "app/projectcommands.h"

#include "app/devicecontext.h"
#include "app/dialogs.h"
#include "app/icons.h"
#include "app/layoutrules.h"
#include "app/layoutview.h"
#include "app/mainwindow.h"
#include "app/programrules.h"
#include "project/projectfile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace dotsign {

namespace {

// The tree's image of a node, as the main window keeps it.
constexpr int kImageRole = Qt::UserRole + 1;

QTreeWidgetItem* addNode(QTreeWidgetItem* parent, const QString& label, int number, int image)
{
    auto* node = new QTreeWidgetItem(parent, {label});
    node->setData(0, kNodeNumberRole, number);
    node->setIcon(0, nodeIcon(image));
    node->setData(0, kImageRole, image);
    return node;
}

QTreeWidgetItem* resetTree(TMAINForm& window)
{
    QTreeWidget* tree = window.tree();
    tree->clear();
    auto* root = new QTreeWidgetItem(tree, {screenLabel(0)});
    root->setData(0, kNodeNumberRole, 0);
    root->setIcon(0, nodeIcon(ImageScreen));
    root->setData(0, kImageRole, int(ImageScreen));
    window.state().programTotal = 0;
    return root;
}

// One node per program with its zone nodes; the last zone node added is
// selected and each program's last zone becomes current on the way.
void addProgramNodes(TMAINForm& window, QTreeWidgetItem* root)
{
    ProjectState& state = window.state();
    window.tree()->setCurrentItem(root);
    for (int n = 1; n <= std::clamp(state.cur().programCount, 0, kMaxPrograms); ++n) {
        QTreeWidgetItem* program = addNode(root, programNodeLabel(n), n, ImageProgram);
        state.currentProgram = n;
        const TjiemuProp& p = state.program(n);
        state.currentTemplate = p.layoutTemplate;
        const int zones = p.layoutTemplate >= 1 ? zoneCountForTemplate(p.layoutTemplate) : 0;
        QTreeWidgetItem* last = nullptr;
        for (int z = 1; z <= zones; ++z) {
            last = addNode(program, zoneLabel(z, zones), z, p.zone(z).zoneType);
            state.currentZone = z;
        }
        program->setExpanded(true);
        if (last)
            window.tree()->setCurrentItem(last);
    }
    root->setExpanded(true);
    state.programTotal = state.cur().programCount;
}

void showProgramOne(TMAINForm& window)
{
    ProjectState& state = window.state();
    if (state.currentProgram >= 1 && state.currentProgram <= state.cur().programCount) {
        if (LayoutView* view = window.layoutView(state.currentTemplate)) {
            view->arrange(state.hw.screenWidth, state.hw.screenHeight,
                          sizesFromProgram(state.program(state.currentProgram)));
            window.showpanel(state.currentTemplate);
        }
    }
    window.showpanel(0);
    if (state.cur().programCount > 0) {
        state.currentProgram = 1;
        window.find_jiemu();
        window.OBJECT_TREEMouseDown(window.tree());
    }
}

QString withExtension(const QString& path)
{
    return QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".Kvp") : path;
}

} // namespace

TFSAVE::TFSAVE(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TFSAVE"));
    setWindowTitle(tr("正在保存节目信息中"));
    auto* picture = new QLabel(this);
    picture->setPixmap(commandIcon(CommandIcon::Save).pixmap(48, 48));
    picture->setAlignment(Qt::AlignCenter);
    auto* v = new QVBoxLayout(this);
    v->addWidget(picture);
    v->addWidget(new QLabel(tr("正在保存节目信息中"), this), 0, Qt::AlignCenter);
    setFixedSize(260, 120);
}

void newProject(TMAINForm& window)
{
    ProjectState& state = window.state();
    state.projectFilePath.clear();
    resetTree(window);
    state.programTotal = 0;
    InitLedDispJiemu(state);
    window.tree()->setCurrentItem(window.tree()->topLevelItem(0));
    window.showpanel(0);
    window.Loadtoscreen(0);
}

void openProject(TMAINForm& window, DeviceContext& context)
{
    ProjectState& state = window.state();
    const QString chosen = context.dialogs.openFileName(&window, state.projectDir, kProjectFilter);
    if (!chosen.isEmpty()) {
        // A project that cannot be read must not replace the one in memory:
        // a later save would write the half-read records over the file.
        const ProjectState before = state;
        QTreeWidgetItem* root = resetTree(window);
        state.setProjectFile(chosen);
        QStringList warnings;
        const Status loaded = LoadProject(state, state.projectFilePath, &warnings);
        if (!loaded) {
            state = before;
            addProgramNodes(window, resetTree(window));
            context.report(&window, loaded);
            showProgramOne(window);
            return;
        }
        for (const QString& w : std::as_const(warnings))
            context.dialogs.information(&window, w);
        addProgramNodes(window, root);
    }
    showProgramOne(window);
}

bool saveWithProgress(TMAINForm& window, TFSAVE& progress, bool reselect)
{
    progress.show();
    progress.raise();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    // The window goes as soon as the success (or failure) box takes over.
    QTimer::singleShot(0, &progress, &QWidget::hide);
    const bool saved = window.saveProject(reselect);
    progress.hide();
    return saved;
}

bool saveProjectAs(TMAINForm& window, DeviceContext& context)
{
    ProjectState& state = window.state();
    QString chosen = context.saveFileName(&window, state.projectDir, kProjectFilter);
    if (chosen.isEmpty())
        return false;
    chosen = withExtension(chosen);
    const QString dir = state.projectDir;
    const QString name = state.projectFileName;
    state.setProjectFile(chosen);
    const int armed = state.memoChangeArmed;
    state.memoChangeArmed = 0;
    const Status saved = SaveProject(state, state.projectFilePath);
    state.memoChangeArmed = armed;
    if (!saved) {
        // The project stays with the file it came from.
        state.projectDir = dir;
        state.projectFileName = name;
        state.projectFilePath = dir + name;
        context.report(&window, saved);
        return false;
    }
    context.dialogs.information(&window, QCoreApplication::translate("ProjectCommands", "保存成功!"));
    return true;
}

} // namespace dotsign
