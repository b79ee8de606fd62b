#include "replay_runner.h"

#include "screens/form1.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include <algorithm>
#include <istream>
#include <map>
#include <ostream>
#include <vector>

namespace vorlin {

namespace {

const std::map<std::string, int> kNamedKeys = {{"left", 37}, {"right", 39}, {"p", 80}, {"esc", 27}};

bool parseNumber(const std::string& text, long& value) {
    try {
        std::size_t used = 0;
        value = std::stol(text, &used);
        return used == text.size();
    } catch (const std::exception&) {
        return false;
    }
}

std::string trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// Dump values stay on one line.
std::string oneLine(const QString& text) {
    std::string value = text.toStdString();
    std::string escaped;
    for (char c : value) {
        if (c == '\n')
            escaped += "\\n";
        else if (c == '\r')
            escaped += "\\r";
        else
            escaped += c;
    }
    return escaped;
}

int colourOrBlack(int bgr) {
    return bgr == kDefaultColour ? 0 : bgr;
}

} // namespace

ReplayRunner::ReplayRunner(Form1& form, VirtualClock& clock, std::ostream& out, std::ostream& err)
    : form_(form), clock_(clock), out_(out), err_(err) {}

int ReplayRunner::run(std::istream& script) {
    std::string line;
    for (int number = 1; std::getline(script, line); ++number) {
        if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string trimmed = trim(line);
        if (trimmed.empty()) continue;
        const auto space = trimmed.find_first_of(" \t");
        const std::string command = trimmed.substr(0, space);
        // The name keeps its spaces: everything after the space or tab that follows "name".
        std::string argument;
        if (space != std::string::npos) {
            const std::string rest = line.substr(line.find(command) + command.size() + 1);
            argument = command == "name" ? rest : trim(rest);
        }
        if (!execute(command, argument)) {
            err_ << "line " << number << ": " << error_ << '\n';
            return 2;
        }
        if (form_.programEnded()) return 0;
    }
    return 0;
}

bool ReplayRunner::execute(const std::string& command, const std::string& argument) {
    const Controls& controls = form_.controls();
    auto fail = [this](const std::string& message) {
        error_ = message;
        return false;
    };
    long number = 0;
    if (command == "option" || command == "click") {
        if (!controls.has(argument)) return fail("unknown control: " + argument);
        form_.clickControl(argument);
        return true;
    }
    if (command == "speed") {
        if (!parseNumber(argument, number)) return fail("speed needs a number");
        controls.scrollBar("HScroll1")->setValue(static_cast<int>(number));
        return true;
    }
    if (command == "name") {
        controls.textBox("NomeGiocatore")->setText(QString::fromStdString(argument));
        return true;
    }
    if (command == "scroll") {
        const auto space = argument.find(' ');
        const std::string bar = argument.substr(0, space);
        if (!controls.has(bar) || !qobject_cast<QScrollBar*>(controls.widget(bar)))
            return fail("unknown scroll bar: " + bar);
        if (space == std::string::npos || !parseNumber(trim(argument.substr(space)), number))
            return fail("scroll needs a scroll bar and a number");
        controls.scrollBar(bar)->setValue(static_cast<int>(number));
        return true;
    }
    if (command == "key") {
        if (auto named = kNamedKeys.find(argument); named != kNamedKeys.end())
            form_.Form_KeyDown(named->second);
        else if (parseNumber(argument, number))
            form_.Form_KeyDown(static_cast<int>(number));
        else
            return fail("unknown key: " + argument);
        return true;
    }
    if (command == "wait") {
        if (!parseNumber(argument, number) || number < 0) return fail("wait needs milliseconds");
        clock_.advance(number, [this] { return form_.programEnded(); });
        return true;
    }
    if (command == "ticks") {
        if (!parseNumber(argument, number) || number < 0) return fail("ticks needs a count");
        return advanceTicks(number);
    }
    if (command == "dump") {
        dump();
        return true;
    }
    if (command == "shot") {
        if (argument.empty()) return fail("shot needs a file name");
        if (!form_.grab().save(QString::fromStdString(argument), "PNG"))
            return fail("cannot write " + argument);
        return true;
    }
    return fail("unknown command: " + command);
}

bool ReplayRunner::advanceTicks(long count) {
    const FormTimer& animation = form_.timer("TimerAnimazione");
    const std::uint64_t target = animation.fireCount() + static_cast<std::uint64_t>(count);
    while (animation.fireCount() < target) {
        if (!animation.enabled()) {
            error_ = "TimerAnimazione is off";
            return false;
        }
        clock_.fireNext();
        if (form_.programEnded()) return true;
    }
    return true;
}

void ReplayRunner::dump() {
    std::vector<std::pair<std::string, std::string>> items;
    auto add = [&items](std::string name, std::string value) {
        items.emplace_back(std::move(name), std::move(value));
    };
    forEachField(form_.game().state,
                 [&](const std::string& name, int value) { add(name, std::to_string(value)); });
    const Controls& controls = form_.controls();
    for (const ControlSpec* design : controls.widgetSpecs()) {
        const std::string name = design->name;
        add("visible." + name, controls.visible(name) ? "1" : "0");
        add("enabled." + name, controls.enabled(name) ? "1" : "0");
        switch (design->kind) {
        case ControlKind::Label:
        case ControlKind::Button:
        case ControlKind::OptionButton:
            add("caption." + name, oneLine(controls.caption(name)));
            add("fore." + name, std::to_string(colourOrBlack(controls.foreColour(name))));
            if (design->kind == ControlKind::Label)
                add("back." + name, std::to_string(colourOrBlack(controls.backColour(name))));
            break;
        case ControlKind::TextBox:
            add("text." + name, oneLine(controls.caption(name)));
            add("fore." + name, std::to_string(colourOrBlack(controls.foreColour(name))));
            break;
        case ControlKind::PictureBox:
            add("back." + name, std::to_string(colourOrBlack(controls.backColour(name))));
            break;
        case ControlKind::Shape:
            add("fill." + name, std::to_string(controls.backColour(name)));
            break;
        case ControlKind::HScrollBar:
        case ControlKind::VScrollBar: {
            const QScrollBar* bar = controls.scrollBar(name);
            add("value." + name, std::to_string(bar->value()));
            add("min." + name, std::to_string(bar->minimum()));
            add("max." + name, std::to_string(bar->maximum()));
            break;
        }
        default:
            break;
        }
    }
    for (const auto& timer : form_.timers()) {
        add("timer." + timer->name(), timer->enabled() ? "1" : "0");
        add("interval." + timer->name(), std::to_string(timer->interval()));
    }
    std::sort(items.begin(), items.end());
    for (const auto& [name, value] : items)
        out_ << name << '=' << value << '\n';
    out_ << "end\n";
}

} // namespace vorlin
