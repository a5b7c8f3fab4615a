// Export of the drawing or of chosen objects: DXFOUT writes a DXF file, ATTEXT extracts the
// block inserts as comma-delimited (CDF) or space-delimited (SDF) rows after a template, or
// as DXF (DXX).
#include "cad/command/command_host.h"
#include "cad/command/coordinate_text.h"
#include "cad/command/file_name_answer.h"
#include "cad/command/host_commands.h"
#include "cad/command/object_picker.h"
#include "platform/runtime/error.h"
#include "platform/runtime/number_text.h"

#include <cmath>
#include <sstream>

namespace cad::command {

namespace {

enum Option { kObjects, kVersion, kBinary, kCdf, kSdf, kDxf };

CommandHost* RequireHost(Session& s, std::string_view command) {
    CommandHost* host = HostOf(s);
    if (!host) s.Refuse(command, std::string(command) + " is not available here.");
    return host;
}

Drawing PartOf(const Drawing& drawing, const Selection& objects) {
    Drawing part = drawing;
    part.Entities().clear();
    for (std::size_t i : objects) part.Entities().push_back(drawing.Entities()[i]);
    return part;
}

// One field of an extraction template: "BL:NAME C008000" or "BL:X N010004".
struct TemplateField {
    std::string name;
    bool numeric = false;
    int width = 0;
    int decimals = 0;
};

std::vector<TemplateField> ReadTemplate(const std::string& text) {
    std::vector<TemplateField> fields;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        TemplateField f;
        std::string format;
        if (!(words >> f.name)) continue;
        if (!(words >> format) || format.size() != 7 || (format[0] != 'C' && format[0] != 'N') ||
            format.find_first_not_of("0123456789", 1) != std::string::npos)
            rt::Raise(rt::errApplication, "Template line \"" + line + "\" is not NAME Cwwwddd or NAME Nwwwddd");
        f.numeric = format[0] == 'N';
        f.width = std::stoi(format.substr(1, 3));
        f.decimals = std::stoi(format.substr(4, 3));
        fields.push_back(std::move(f));
    }
    return fields;
}

// The value of a field for the n-th extracted insert; attribute fields are empty (the CAD's
// inserts carry no attributes).
std::string FieldValue(const TemplateField& f, const Insert& insert, std::size_t number) {
    auto number_text = [&](double v) { return FixedText(v, f.decimals); };
    if (f.name == "BL:NAME") return insert.block;
    if (f.name == "BL:LAYER") return "0";
    if (f.name == "BL:X") return number_text(insert.position.x);
    if (f.name == "BL:Y") return number_text(insert.position.y);
    if (f.name == "BL:Z") return number_text(insert.position.z);
    if (f.name == "BL:NUMBER") return number_text(static_cast<double>(number));
    if (f.name == "BL:LEVEL") return number_text(1);
    if (f.name == "BL:ORIENT") return number_text(insert.rotation);
    if (f.name == "BL:XSCALE") return number_text(insert.scaleX);
    if (f.name == "BL:YSCALE") return number_text(insert.scaleY);
    if (f.name == "BL:ZSCALE") return number_text(1);
    return f.numeric ? number_text(0) : std::string();
}

std::string Extract(const Drawing& part, const std::vector<TemplateField>& fields, bool spaced) {
    std::string out;
    std::size_t number = 0;
    for (const Entity& e : part.Entities()) {
        const auto* insert = std::get_if<Insert>(&e.shape);
        if (!insert) continue;
        ++number;
        std::string row;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const TemplateField& f = fields[i];
            std::string value = FieldValue(f, *insert, number);
            if (spaced) {
                const std::size_t width = static_cast<std::size_t>(f.width);
                if (value.size() < width)
                    value = f.numeric ? std::string(width - value.size(), ' ') + value
                                      : value + std::string(width - value.size(), ' ');
                row += value;
            } else {
                if (i > 0) row += ',';
                row += f.numeric ? value : "'" + value + "'";
            }
        }
        out += row + "\r\n";
    }
    return out;
}

} // namespace

CommandTask DxfoutCommand(Session& s) {
    CommandHost* host = RequireHost(s, "DXFOUT");
    if (!host) co_return;
    const std::string suggested = WithExtension(host->DrawingName(), ".dxf");
    const Answer name = co_await s.AskText("Enter file name <" + suggested + ">: ");
    const std::string path = name.text.empty() ? suggested : FileNameAnswer(name.text, ".dxf");
    ObjectPicker picker(s.drawing());
    bool picked = false;
    while (true) {
        Question q;
        q.prompt = "Enter decimal places of accuracy (0 to 16)/Objects/Version/Binary <16>: ";
        q.number = NumberRule::Any;
        q.keywords = {{kObjects, "O|OBJECTS"}, {kVersion, "V|VERSION"}, {kBinary, "B|BINARY"}};
        q.hint = "Requires an integer between 0 and 16, or O, V or B.";
        const Answer a = co_await s.Ask(std::move(q));
        if (a.kind == Answer::Keyword && a.keyword == kObjects) {
            picker.Restart();
            while (!picker.Done()) picker.Take(s, co_await s.Ask(picker.Next()));
            picked = true;
            continue;
        }
        if (a.kind == Answer::Keyword && a.keyword == kVersion) {
            std::vector<Keyword> versions{{12, "R12"}, {13, "R13"}, {14, "R14"}, {2000, "2000"}};
            const Answer v = co_await s.AskKeyword("Enter DXF format [R12/R13/R14/2000] <2000>: ", std::move(versions));
            if (v.kind == Answer::Keyword && v.keyword != 2000) s.Message("The file is written in DXF 2000 format.");
            continue;
        }
        if (a.kind == Answer::Keyword && a.keyword == kBinary) {
            s.Refuse(a.text, "Binary DXF is not written; enter the decimal places.");
            continue;
        }
        if (a.kind == Answer::Number && (a.number != std::floor(a.number) || a.number < 0 || a.number > 16)) {
            s.Refuse(a.text, "Requires an integer between 0 and 16.");
            continue;
        }
        break;
    }
    try {
        host->WriteDrawing(picked ? PartOf(s.drawing(), picker.Objects()) : s.drawing(), path, false);
    } catch (const rt::Error& e) {
        s.Message(e.Description());
    }
}

CommandTask AttextCommand(Session& s) {
    CommandHost* host = RequireHost(s, "ATTEXT");
    if (!host) co_return;
    Selection objects = SelectAll(s.drawing());
    Answer kind;
    while (true) {
        std::vector<Keyword> kinds{{kCdf, "C|CDF"}, {kSdf, "S|SDF"}, {kDxf, "D|DXF"}, {kObjects, "O|OBJECTS"}};
        kind = co_await s.AskKeyword("CDF, SDF or DXF [Extract file format] or Objects <C>: ", std::move(kinds));
        if (kind.kind == Answer::Keyword && kind.keyword == kObjects) {
            ObjectPicker picker(s.drawing());
            while (!picker.Done()) picker.Take(s, co_await s.Ask(picker.Next()));
            objects = picker.Objects();
            continue;
        }
        break;
    }
    const int format = kind.kind == Answer::Keyword ? kind.keyword : kCdf;
    const Drawing part = PartOf(s.drawing(), objects);
    std::vector<TemplateField> fields;
    if (format != kDxf) {
        const Answer t = co_await s.AskText("Enter template file name: ");
        try {
            fields = ReadTemplate(host->ReadTextFile(FileNameAnswer(t.text, ".txt")));
        } catch (const rt::Error& e) {
            s.Message(e.Description());
            co_return;
        }
    }
    const std::string extension = format == kDxf ? ".dxx" : ".txt";
    const std::string suggested = WithExtension(host->DrawingName(), extension);
    const Answer o = co_await s.AskText("Enter extract file name <" + suggested + ">: ");
    const std::string path = o.text.empty() ? suggested : FileNameAnswer(o.text, extension);
    try {
        if (format == kDxf) {
            Drawing inserts = part;
            std::erase_if(inserts.Entities(), [](const Entity& e) { return !std::holds_alternative<Insert>(e.shape); });
            host->WriteDrawing(inserts, path, false);
        } else {
            host->WriteTextFile(path, Extract(part, fields, format == kSdf));
        }
    } catch (const rt::Error& e) {
        s.Message(e.Description());
    }
}

} // namespace cad::command
