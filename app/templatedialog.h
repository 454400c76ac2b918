#pragma once
// The template chooser "选择模板": four tiles, one per layout template. It is
// created once and keeps the marked tile between uses.

#include "project/projectstate.h"

#include <QDialog>
#include <QFrame>
#include <array>

namespace dotsign {

class TemplateTile : public QFrame
{
    Q_OBJECT
public:
    TemplateTile(int layoutTemplate, QWidget* parent);
    int layoutTemplate() const { return m_template; }
    void setMarked(bool marked);
    bool marked() const { return m_marked; }

signals:
    void pressed();
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_template;
    bool m_marked = false;
};

class TemplateDialog : public QDialog
{
    Q_OBJECT
public:
    TemplateDialog(ProjectState& state, QWidget* parent = nullptr);

    TemplateTile* tile(int layoutTemplate) const;
    int markedTemplate() const;

private:
    void mark(TemplateTile* tile);

    ProjectState& m_state;
    std::array<TemplateTile*, 4> m_tiles{};
};

} // namespace dotsign
