#include "pages/PageSpec.h"

namespace swted {

namespace {
ControlSpec Make(const QString &name, Bind bind, int switchNumber, int start, int width, const QString &caption)
{
    ControlSpec c;
    c.name = name;
    c.bind = bind;
    c.switchNumber = switchNumber;
    c.start = start;
    c.width = width;
    c.caption = caption;
    return c;
}
} // namespace

ControlSpec CheckSpec(const QString &name, int switchNumber, int position, const QString &caption)
{
    return Make(name, Bind::Check, switchNumber, position, 1, caption);
}

ControlSpec OptionsSpec(const QString &name, int switchNumber, int position, const QStringList &captions)
{
    ControlSpec c = Make(name, Bind::Options, switchNumber, position, 1, QString());
    c.items = captions;
    c.maximum = static_cast<int>(captions.size()) - 1;
    return c;
}

ControlSpec ListSpec(const QString &name, int switchNumber, int start, int width, int maximum, int defaultValue,
                     const QString &caption, const QStringList &items)
{
    ControlSpec c = Make(name, Bind::List, switchNumber, start, width, caption);
    c.maximum = maximum;
    c.defaultValue = defaultValue;
    c.items = items;
    return c;
}

ControlSpec TextSpec(const QString &name, int switchNumber, int start, int width, const QString &defaultText,
                     const QString &caption)
{
    ControlSpec c = Make(name, Bind::Text, switchNumber, start, width, caption);
    c.defaultText = defaultText;
    return c;
}

ControlSpec WholeTextSpec(const QString &name, int switchNumber, int start, int width, int keep,
                          const QString &caption)
{
    ControlSpec c = Make(name, Bind::WholeText, switchNumber, start, width, caption);
    c.defaultText = QStringLiteral("0");
    c.keep = keep;
    return c;
}

ControlSpec RuleSpec(const QString &name, int switchNumber)
{
    ControlSpec c = Make(name, Bind::Rule, switchNumber, 1, 9, QString());
    c.customLayout = c.customRead = true;
    return c;
}

ControlSpec LabelSpec(const QString &name, const QString &text)
{
    ControlSpec c = Make(name, Bind::Label, 0, 1, 1, text);
    return c;
}

ControlSpec OwnSpec(const QString &name, int switchNumber)
{
    ControlSpec c = Make(name, Bind::Own, switchNumber, 1, 9, QString());
    c.customLayout = c.customRead = c.customBuild = true;
    return c;
}

const ControlSpec *PageSpec::Control(const QString &name) const
{
    for (const ControlSpec &c : controls) {
        if (c.name == name)
            return &c;
    }
    return nullptr;
}

const TipSpec *PageSpec::Tip(const QString &label) const
{
    for (const TipSpec &t : tips) {
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

QVector<const ControlSpec *> PageSpec::ControlsOfSwitch(int switchNumber) const
{
    QVector<const ControlSpec *> out;
    for (const ControlSpec &c : controls) {
        if (c.bind != Bind::Label && c.bind != Bind::Rule && c.switchNumber == switchNumber)
            out.append(&c);
    }
    return out;
}

} // namespace swted
