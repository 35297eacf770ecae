#include "pages/PageDescription.h"

namespace swted {

namespace {
ControlEntry Make(const QString &name, Bind bind, int switchNumber, int start, int width, const QString &caption)
{
    ControlEntry c;
    c.name = name;
    c.bind = bind;
    c.switchNumber = switchNumber;
    c.start = start;
    c.width = width;
    c.caption = caption;
    return c;
}
} // namespace

ControlEntry CheckControl(const QString &name, int switchNumber, int position, const QString &caption)
{
    return Make(name, Bind::Check, switchNumber, position, 1, caption);
}

ControlEntry OptionsControl(const QString &name, int switchNumber, int position, const QStringList &captions)
{
    ControlEntry c = Make(name, Bind::Options, switchNumber, position, 1, QString());
    c.items = captions;
    c.maximum = static_cast<int>(captions.size()) - 1;
    return c;
}

ControlEntry ListControl(const QString &name, int switchNumber, int start, int width, int maximum, int defaultValue,
                     const QString &caption, const QStringList &items)
{
    ControlEntry c = Make(name, Bind::List, switchNumber, start, width, caption);
    c.maximum = maximum;
    c.defaultValue = defaultValue;
    c.items = items;
    return c;
}

ControlEntry TextControl(const QString &name, int switchNumber, int start, int width, const QString &defaultText,
                     const QString &caption)
{
    ControlEntry c = Make(name, Bind::Text, switchNumber, start, width, caption);
    c.defaultText = defaultText;
    return c;
}

ControlEntry WholeTextControl(const QString &name, int switchNumber, int start, int width, int keep,
                          const QString &caption)
{
    ControlEntry c = Make(name, Bind::WholeText, switchNumber, start, width, caption);
    c.defaultText = QStringLiteral("0");
    c.keep = keep;
    return c;
}

ControlEntry RuleStep(const QString &name, int switchNumber, PageRule layout, PageRule read)
{
    ControlEntry c = Make(name, Bind::Rule, switchNumber, 1, 9, QString());
    c.customLayout = c.customRead = true;
    c.layoutRule = layout;
    c.readRule = read;
    return c;
}

ControlEntry LabelControl(const QString &name, const QString &text)
{
    ControlEntry c = Make(name, Bind::Label, 0, 1, 1, text);
    return c;
}

ControlEntry OwnControl(const QString &name, int switchNumber)
{
    ControlEntry c = Make(name, Bind::Own, switchNumber, 1, 9, QString());
    c.customLayout = c.customRead = c.customBuild = true;
    return c;
}

const ControlEntry *PageDescription::Control(const QString &name) const
{
    for (const ControlEntry &c : controls) {
        if (c.name == name)
            return &c;
    }
    return nullptr;
}

QString PageDescription::ButtonName(const ControlEntry &c, int i)
{
    if (i < c.buttonNames.size())
        return c.buttonNames[i];
    return c.name + QStringLiteral("_%1").arg(c.firstIndex + i);
}

const TipEntry *PageDescription::Tip(const QString &label) const
{
    for (const TipEntry &t : tips) {
        if (t.label == label)
            return &t;
    }
    const qsizetype underscore = label.lastIndexOf(QLatin1Char('_'));
    if (underscore > 0) {
        bool number = false;
        label.mid(underscore + 1).toInt(&number);
        if (number)
            return Tip(label.left(underscore));
    }
    return nullptr;
}

QVector<const ControlEntry *> PageDescription::ControlsOfSwitch(int switchNumber) const
{
    QVector<const ControlEntry *> out;
    for (const ControlEntry &c : controls) {
        if (c.bind != Bind::Label && c.bind != Bind::Rule && c.switchNumber == switchNumber)
            out.append(&c);
    }
    return out;
}

} // namespace swted
