#include "pages/XWelding_1.h"

namespace swted {

namespace {

PageSpec MakeDescription()
{
    PageSpec p;
    p.index = 3;
    p.window = QStringLiteral("XWelding_1");
    p.tabCaption = QStringLiteral("Welding");
    p.subPages = 1;
    p.panels = {{QStringLiteral("Welding"), 1, 0, 0, 1}};
    p.controls = {LabelSpec("lblPending", "This page is being built.").In(QStringLiteral("Welding"))};
    return p;
}

} // namespace

const PageSpec &XWelding_1::Description()
{
    static const PageSpec definition = MakeDescription();
    return definition;
}

XWelding_1::XWelding_1(Editor &editor, PageHost &host, QWidget *parent) : PageWindow(editor, host, Description(), parent)
{
}

} // namespace swted
