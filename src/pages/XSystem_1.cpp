#include "pages/XSystem_1.h"

namespace swted {

namespace {

PageSpec MakeDescription()
{
    PageSpec p;
    p.index = 4;
    p.window = QStringLiteral("XSystem_1");
    p.tabCaption = QStringLiteral("System");
    p.subPages = 1;
    p.panels = {{QStringLiteral("System"), 1, 0, 0, 1}};
    p.controls = {LabelSpec("lblPending", "This page is being built.").In(QStringLiteral("System"))};
    return p;
}

} // namespace

const PageSpec &XSystem_1::Description()
{
    static const PageSpec definition = MakeDescription();
    return definition;
}

XSystem_1::XSystem_1(Editor &editor, PageHost &host, QWidget *parent) : PageWindow(editor, host, Description(), parent)
{
}

} // namespace swted
