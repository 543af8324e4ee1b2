#include "checker/line_findings.h"

#include "checker/checker_text.h"

#include <string>

namespace {

const char* SectionName(SectionState section)
{
    switch (section) {
    case SectionState::Main: return "[Main]";
    case SectionState::Language: return "[Language]";
    case SectionState::Element: return "[Element]";
    case SectionState::None: break;
    }
    return "no section";
}

std::string KeyText(const MenuLineReport& line)
{
    return Quoted(KeyAsWritten(line));
}

std::string LanguageOf(const MenuLineReport& line)
{
    if (!line.hasSuffix)
        return "without language suffix";
    return "for language " + Quoted(SuffixAsWritten(line));
}

std::string NotASectionMessage(const MenuLineReport& line)
{
    std::string message = Quoted(line.text) + " is not a section; the line is ignored and ";
    if (line.section == SectionState::None)
        return message + "the lines after it still stand before any section";
    return message + "the keys after it still belong to the " + SectionName(line.section) +
           " section before it";
}

std::string LastLineMessage(const MenuLineReport& line, LineBreakKind lineBreaks)
{
    if (lineBreaks == LineBreakKind::CrOnly)
        return "the lines end in CR only, and Kiveron reads only lines that end in LF or CR LF: "
               "nothing of this file is read; save it with CR LF line breaks";
    return "no line break ends the last line " + Quoted(line.text) +
           ", so it is never read; end the file with a line break";
}

std::string MarkerName(MarkerKind marker)
{
    return marker == MarkerKind::Secondary ? "Secondary" : "Primary";
}

std::string MarkerMessage(const MenuLineLog& log, std::size_t i,
                          const std::vector<MenuElement>& elements)
{
    const MenuLineReport& line = log.Lines()[i];
    std::string message =
        "Marker " + Quoted(line.value) + " is neither Primary nor Secondary; the line is ignored";
    const int record = log.RecordOf(i);
    if (record >= 0 && static_cast<std::size_t>(record) < elements.size())
        message += " and the entry's marker is " + MarkerName(elements[record].marker);
    return message;
}

bool IsNoteLine(const MenuLineLog& log, std::size_t i)
{
    return i < log.Lines().size() && log.Lines()[i].outcome == LineOutcome::NoEquals;
}

// Notes come in paragraphs: one finding for the lines of one paragraph.
void ReportNotes(const MenuLineLog& log, std::size_t i, FindingSink& sink)
{
    if (i > 0 && IsNoteLine(log, i - 1))
        return;
    std::size_t end = i + 1;
    while (IsNoteLine(log, end))
        ++end;
    const std::size_t more = end - i - 1;
    if (more == 0)
        sink.Note(log.Lines()[i].number, "a line without \"=\" is ignored (a note to the reader)");
    else
        sink.Note(log.Lines()[i].number, "this line and the " + std::to_string(more) +
                                             " after it have "
                                             "no \"=\" and are ignored (notes to the reader)");
}

void ReportRepeat(const MenuLineLog& log, std::size_t i, FindingSink& sink)
{
    const MenuLineReport& line = log.Lines()[i];
    if (line.outcome == LineOutcome::KeptEarlier) {
        sink.Warning(line.number, KeyText(line) + " gives a second text " + LanguageOf(line) +
                                      "; the first, on line " + std::to_string(log.EarlierLine(i)) +
                                      ", stays and this line is ignored");
    } else if (line.outcome == LineOutcome::Replaced) {
        sink.Warning(line.number, KeyText(line) + " replaces the value of line " +
                                      std::to_string(log.EarlierLine(i)) + "; the last one counts");
    }
}

void ReportIgnoredSuffix(const MenuLineReport& line, FindingSink& sink)
{
    if (!line.hasSuffix || !TakesNoSuffix(line))
        return;
    if (line.outcome == LineOutcome::UnknownKey || line.outcome == LineOutcome::WrongSection ||
        line.outcome == LineOutcome::BeforeAnySection)
        return;
    sink.Warning(line.number, KeyText(line) + ": " + Utf8FromWide(line.keyName) +
                                  " takes no language suffix; the suffix is ignored and the "
                                  "value counts for every language");
}

void ReportIgnoredLine(const MenuLineLog& log, std::size_t i,
                       const std::vector<MenuElement>& elements, LineBreakKind lineBreaks,
                       FindingSink& sink)
{
    const MenuLineReport& line = log.Lines()[i];
    switch (line.outcome) {
    case LineOutcome::UnknownKey:
        sink.Warning(line.number,
                     Quoted(line.keyName) + " is not a known key; the line is ignored");
        break;
    case LineOutcome::WrongSection:
        sink.Warning(line.number, KeyText(line) + " does not belong in the " +
                                      SectionName(line.section) + " section; the line is ignored");
        break;
    case LineOutcome::BeforeAnySection:
        sink.Warning(line.number,
                     KeyText(line) + " stands before any section; the line is ignored");
        break;
    case LineOutcome::NoEquals: ReportNotes(log, i, sink); break;
    case LineOutcome::NotASection: sink.Warning(line.number, NotASectionMessage(line)); break;
    case LineOutcome::AfterLastLineBreak:
        if (lineBreaks != LineBreakKind::EndsEarly)
            sink.Warning(line.number, LastLineMessage(line, lineBreaks));
        break;
    case LineOutcome::MarkerNotRecognised:
        sink.Warning(line.number, MarkerMessage(log, i, elements));
        break;
    default: break;
    }
}

} // namespace

void ReportLineFindings(const MenuLineLog& log, const std::vector<MenuElement>& elements,
                        LineBreakKind lineBreaks, FindingSink& sink)
{
    for (std::size_t i = 0; i < log.Lines().size(); ++i) {
        ReportIgnoredLine(log, i, elements, lineBreaks, sink);
        ReportRepeat(log, i, sink);
        ReportIgnoredSuffix(log.Lines()[i], sink);
    }
}

namespace {

// The texts of the [Main] key the line gives, or null for others.
const LocalizedText* TextsOfKey(const MenuLineReport& line, const LocalizedText texts[3])
{
    const wchar_t* const keys[3] = {L"Caption", L"ExitText", L"WarningMsg"};
    for (int i = 0; i < 3; ++i)
        if (IsKey(line, keys[i]))
            return &texts[i];
    return nullptr;
}

} // namespace

void ReportTextsGivenBefore(const MenuLineLog& log, const MenuDocument& startup, FindingSink& sink)
{
    const LocalizedText texts[3] = {startup.GetCaption(), startup.GetExitText(),
                                    startup.GetWarningMsg()};
    for (const MenuLineReport& line : log.Lines()) {
        if (line.section != SectionState::Main || line.outcome != LineOutcome::Stored)
            continue;
        const LocalizedText* before = TextsOfKey(line, texts);
        if (before != nullptr && before->GetEntries().count(line.languageCode) > 0)
            sink.Warning(line.number, KeyText(line) +
                                          " is never shown: the start-up menu gives a text " +
                                          LanguageOf(line) + " already, and the first stays");
    }
}
