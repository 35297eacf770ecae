#include "pages/XDimension_1.h"

namespace swted {

namespace {

PageSpec MakeDescription()
{
    PageSpec p;
    p.index = 1;
    p.window = QStringLiteral("XDimension_1");
    p.tabCaption = QStringLiteral("Dimensioning");
    p.subPages = 1;
    p.panels = {{QStringLiteral("Dimensioning"), 1, 0, 0, 1}};
    p.controls = {LabelSpec("lblPending", "This page is being built.").In(QStringLiteral("Dimensioning"))};
    return p;
}

} // namespace

const PageSpec &XDimension_1::Description()
{
    static const PageSpec definition = MakeDescription();
    return definition;
}

XDimension_1::XDimension_1(Editor &editor, PageHost &host, QWidget *parent) : PageWindow(editor, host, Description(), parent)
{
}

} // namespace swted
