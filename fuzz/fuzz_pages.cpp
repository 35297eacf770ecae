// The page rules on any switch values: the tour of the tab strip that lint
// makes (every page laid out and read back, the corrections collected and
// explained), with or without the options file a user font group reads its
// fonts for, and a user font table taken from the input.
//
// The input: byte 0 holds the run type (bit 0: restricted), the values to
// start from (bits 1-2: zeros, the defaults, the defaults as the pages store
// them) and the options file (bits 3-7, see OptionsFiles below); byte 1 the
// count of fonts (low four bits), then three bytes for each (the font number,
// two bytes; the description); then six bytes for each switch to set (16
// at most): its number, the kind of value (bits 0-1: one digit, three
// digits, nine digits, any 32-bit value; bit 2: negative) and four bytes of
// the value.
//
// Promises checked: no crash and no sanitizer report (UndefinedBehavior-
// Sanitizer finds a 32-bit overflow of the digit arithmetic); a tour stops
// exactly when the font set-up of its options file is fatal; the corrections
// name each switch once, in order, with the value held and a different value
// saved, where and why; the switches no control edits keep their values; a
// font group of an HDR or DEF file leaves positions 7 to 9 of its switch as
// they are. A second tour, of what the first saved, is not made: it need
// not save the same values (a page may lay out a switch from one that a
// later page, or a later control of the same page, settles: switches 53 and
// 14), and it would halve the inputs tried a second.
// Seeds: fuzz/seeds/pages

#include "FuzzSupport.h"

#include "pages/Corrections.h"
#include "pages/PageDescription.h"
#include "pages/PageDescriptions.h"
#include "pages/PageTour.h"
#include "pages/UserFontGroup.h"
#include "shell/ScriptedPrompts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

using namespace swted;
using namespace swted::fuzz;

namespace {

// The options files a tour may be given, each with what its font set-up
// does: the last two are fatal (a font file that is not there, a record
// without a path). USER.FIF, which they name, is written from the input.
struct OptionsFile {
    const char *name;
    const char *content;
    bool fatal;
    bool untouched; // HDR and DEF: the font groups leave the switch alone
};
const OptionsFile OptionsFiles[] = {
    {nullptr, nullptr, false, false}, // no options file: no session
    {"JOB.OPT", "KARVEN_OPTIONS_BLOCK\n-152 /USER.FIF\n", false, false},
    {"JOB.IDF", "-152 /US\n  -1 ER.FIF\n", false, false},
    {"JOB.OPL", "Switch\n", false, false}, // Karven.fls names USER.FIF
    {"JOB.OPS", "Switch\n", false, false},
    {"JOB.HDR", "KARVEN_HEADER_OPTIONS\n", false, true},
    {"JOB.DEF", "\n", false, true},
    {"NONE.OPT", "KARVEN_OPTIONS_BLOCK\n", false, false}, // no record: fonts absent
    {"GONE.OPT", "-152 /GONE.FIF\n", true, false},
    {"BAD.OPT", "-152 USER\n", true, false},
};
constexpr int OptionsFileCount = int(sizeof OptionsFiles / sizeof OptionsFiles[0]);

struct Scratch {
    QTemporaryDir dir;
    QString folder; // with its trailing separator
    QByteArray fontFile;

    Scratch()
        : dir(ScratchTemplate("pages"))
    {
        folder = ScratchFolder(dir);
        fontFile = QFile::encodeName(folder + QStringLiteral("USER.FIF"));
        Write(QStringLiteral("Karven.fls"), "FONT-INFORMATION-FILE USER.FIF\n");
        for (const OptionsFile &f : OptionsFiles) {
            if (f.name)
                Write(QString::fromLatin1(f.name), f.content);
        }
    }
    void Write(const QString &name, const QByteArray &bytes)
    {
        QFile f(folder + name);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
            Broken("cannot write a scratch file", f.fileName());
    }
};

Scratch *Files;
SwitchStore TouredDefaults;
// The switches one input sets at most: each switch the tour corrects is
// explained, which costs as much as a tenth of the tour; with every switch
// set at random an input would take ten times as long.
constexpr int MostSwitchesSet = 16;
// The switches that no control of any page is bound to.
QVector<int> Unbound;

void WriteFontFile(const QByteArray &bytes)
{
    const int fd = ::open(Files->fontFile.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0 || ::write(fd, bytes.constData(), size_t(bytes.size())) != bytes.size() || ::close(fd) != 0)
        Broken("cannot write the font information file", QString::fromLocal8Bit(Files->fontFile));
}

class Input {
public:
    Input(const uint8_t *data, size_t size) : data(data), size(size) {}
    bool AtEnd() const { return at >= size; }
    uint8_t Byte() { return at < size ? data[at++] : 0; }
    uint32_t Word(int bytes)
    {
        uint32_t v = 0;
        for (int i = 0; i < bytes; ++i)
            v |= uint32_t(Byte()) << (8 * i);
        return v;
    }

private:
    const uint8_t *data;
    size_t size;
    size_t at = 0;
};

QString ValuesText(const SwitchStore &store)
{
    QStringList out;
    for (int n = 1; n <= SwitchCount; ++n)
        out << QStringLiteral("%1=%2").arg(n).arg(store.GetSwitchValue(n));
    return out.join(QLatin1Char(' '));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Files = new Scratch;
    std::atexit([] { delete Files; });
    TouredDefaults.DefaultAllSwitches();
    ScriptedPrompts quiet;
    if (!TourPages(TouredDefaults, quiet, false))
        Broken("the tour of the defaults stops", QString());
    for (int n = 1; n <= SwitchCount; ++n) {
        bool bound = false;
        for (int index : AvailablePagesInStripOrder()) {
            for (const ControlEntry &c : PageDescriptionOf(index)->controls)
                bound = bound || (c.switchNumber == n && c.bind != Bind::Label);
        }
        if (!bound)
            Unbound.append(n);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Input in(data, size);
    const uint8_t flags = in.Byte();
    const bool restricted = flags & 1;
    const OptionsFile &file = OptionsFiles[(flags >> 3) % OptionsFileCount];

    // The font information file: only read when a file is being edited.
    const int fonts = in.Byte() & 15;
    QByteArray fif;
    for (int i = 0; i < fonts; ++i) {
        const uint32_t raw = in.Word(2);
        const int number = raw & 0x8000 ? int(raw & 0x7fff) : int(raw % 1000);
        const uint8_t name = in.Byte();
        fif += "KARVEN-FONT " + QByteArray::number(number) + "\nDESCRIPTION "
            + (name & 8 ? "font " : "FONT ") + char('A' + name % 6) + '\n';
    }
    std::optional<UserFontSession> session;
    if (file.name) {
        WriteFontFile(fif);
        session.emplace();
        session->optionsFolder = Files->folder;
        session->optionsPath = Files->folder + QString::fromLatin1(file.name);
        session->executableName = QStringLiteral("KARVEN");
    }

    SwitchStore opened;
    switch ((flags >> 1) & 3) {
    case 0:
        break;
    case 1:
        opened.DefaultAllSwitches();
        break;
    default:
        opened = TouredDefaults;
    }
    for (int set = 0; set < MostSwitchesSet && !in.AtEnd(); ++set) {
        const int n = in.Byte() % SwitchCount + 1;
        const uint8_t kind = in.Byte();
        const uint32_t raw = in.Word(4);
        int64_t v = (kind & 3) == 0 ? raw % 10 : (kind & 3) == 1 ? raw % 1000 : (kind & 3) == 2 ? raw % 1000000000 : int32_t(raw);
        if (kind & 4)
            v = -v;
        opened.SetWholeValue(n, int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)));
    }
    opened.TakeSnapshot();

    bool stopped = false;
    QStringList messages;
    const QVector<Correction> found =
        CollectCorrections(opened, restricted, session ? &*session : nullptr, &messages, &stopped);
    if (stopped != file.fatal)
        Broken(stopped ? "a tour stops without a fatal font set-up" : "a fatal font set-up does not stop the tour",
               messages.join(QLatin1Char('\n')));
    if (stopped) {
        if (!found.isEmpty())
            Broken("a tour that stopped names corrections", CorrectionText(found.first()));
        return 0;
    }

    SwitchStore saved = opened;
    int last = 0;
    for (const Correction &c : found) {
        if (c.switchNumber <= last || c.switchNumber > SwitchCount)
            Broken("corrections not one per switch, in order", CorrectionText(c));
        last = c.switchNumber;
        if (c.inFile != opened.GetSwitchValue(c.switchNumber) || c.saved == c.inFile)
            Broken("a correction not of the value held, or to the same value", CorrectionText(c));
        if (c.setting.isEmpty() || c.reason.isEmpty())
            Broken("a correction without where or why", CorrectionText(c));
        saved.SetWholeValue(c.switchNumber, c.saved);
    }
    for (int n : std::as_const(Unbound)) {
        if (saved.GetSwitchValue(n) != opened.GetSwitchValue(n))
            Broken("the tour changed a switch no control edits",
                   QStringLiteral("switch %1 of: ").arg(n) + ValuesText(opened));
    }
    if (file.untouched) {
        for (int n : {4, 27}) {
            const int32_t before = opened.GetSwitchValue(n);
            if (before >= 0 && before < 1000000000 && saved.GetSwitchValue(n) / 1000000 != before / 1000000)
                Broken("a font group of a file without fonts changed its font number",
                       QStringLiteral("switch %1: %2 saved as %3").arg(n).arg(before).arg(saved.GetSwitchValue(n)));
        }
    }
    return 0;
}
