#include "fonts/FontMessages.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace swted {

namespace {
const QString CrLf = QStringLiteral("\r\n");
const QString Terminating = QStringLiteral("Terminating application.");

Message Stop(const QString &text, const QString &title)
{
    return Message{text, title, MessageButtons::Ok, MessageIcon::Stop};
}
} // namespace

QString ExecutableName()
{
    if (QCoreApplication::instance())
        return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return QStringLiteral("swted");
}

namespace msg {

Message OptionsFileMissing(FontGroup group, const QString &optionsPath)
{
    const QString lead = group == FontGroup::IsoStyle ? QStringLiteral("Unable to find the file ")
                                                      : QStringLiteral("Unable to find the options file ");
    return Stop(lead + optionsPath + CrLf
                    + QStringLiteral("Please ensure the file exists and restart the Options Editor.") + CrLf
                    + Terminating,
                OptionsEditorTitle);
}

Message FontPathNotSet()
{
    return Stop(QStringLiteral("The Path for font file was not correctly set.") + CrLf + Terminating,
                OptionsEditorTitle);
}

QString FontFileAdvice(const QString &optionsType)
{
    const QString type = optionsType.right(3).toUpper();
    if (type == QLatin1String("OPT"))
        return QStringLiteral("Please modify the options file and restart the Options Editor.");
    if (type == QLatin1String("OPL") || type == QLatin1String("OPS"))
        return QStringLiteral("Please modify the FLS file and restart the Options Editor.");
    if (type == QLatin1String("IDF"))
        return QStringLiteral("Please modify the IDF file and restart the Options Editor.");
    return QStringLiteral("Please check the font file path is set correctly and restart the Options Editor.");
}

Message FontFileMissing(const QString &writtenPath, const QString &optionsType)
{
    return Stop(QStringLiteral("The font file ") + writtenPath + QStringLiteral(" does not exist. ") + CrLf
                    + FontFileAdvice(optionsType) + CrLf + Terminating,
                OptionsEditorTitle);
}

Message FontNumberNotInFile(int fontNumber, const QString &writtenPath)
{
    return Message{QStringLiteral("Unable to set font number  ") + QString::number(fontNumber) + CrLf
                       + QStringLiteral("Font does not exist in font file ") + CrLf + writtenPath,
                   OptionsEditorTitle, MessageButtons::Ok, MessageIcon::Exclamation};
}

Message FontFileVanished(const QString &writtenPath, const QString &executableName)
{
    return Stop(QStringLiteral("The font file ") + writtenPath + QStringLiteral(" does not exist ") + CrLf
                    + QStringLiteral("Please update the options file and restart the Options Editor.") + CrLf
                    + Terminating,
                executableName);
}

Message FontFileReadError(const FontFileError &error, const QString &executableName)
{
    return Stop(QStringLiteral("Error reading font file.") + error.description + CrLf
                    + QStringLiteral("Error number ") + QString::number(error.number) + CrLf
                    + QStringLiteral("Terminating application"),
                executableName);
}

Message FontNumberUnavailable(FontGroup group, int fontNumber, const QString &executableName)
{
    return Message{QStringLiteral("Unable to set font number ") + QString::number(fontNumber) + CrLf
                       + QStringLiteral("Using first available user defined font."),
                   group == FontGroup::IsoStyle ? executableName : OptionsEditorTitle, MessageButtons::Ok,
                   MessageIcon::Information};
}

Message FontPathReadError(const FontFileError &error)
{
    return Stop(QStringLiteral("Error ") + error.description + QStringLiteral(" Error number  ") + CrLf
                    + QString::number(error.number) + Terminating,
                OptionsEditorTitle);
}

Message FontSetUpError(const FontFileError &error, const QString &executableName)
{
    return Stop(error.description + QStringLiteral(" Error number ") + QString::number(error.number),
                executableName);
}

} // namespace msg
} // namespace swted
