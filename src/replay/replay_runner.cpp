#include "replay_runner.h"

#include "screens/form1.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include <algorithm>
#include <istream>
#include <limits>
#include <map>
#include <ostream>
#include <stdexcept>
#include <vector>

namespace vorlin {

namespace {

const std::map<std::string, int> kNamedKeys = {{"left", 37}, {"right", 39}, {"p", 80}, {"esc", 27}};

enum class NumberText { Whole, NotANumber, OutOfRange };

// A whole number that fits an int, the whole text and nothing else.
NumberText parseNumber(const std::string& text, int& value) {
    try {
        std::size_t used = 0;
        const long long parsed = std::stoll(text, &used);
        if (used != text.size()) return NumberText::NotANumber;
        if (parsed < std::numeric_limits<int>::min() || parsed > std::numeric_limits<int>::max())
            return NumberText::OutOfRange;
        value = static_cast<int>(parsed);
        return NumberText::Whole;
    } catch (const std::out_of_range&) {
        return NumberText::OutOfRange;
    } catch (const std::invalid_argument&) {
        return NumberText::NotANumber;
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
        const auto start = line.find_first_not_of(" \t\r");
        if (start == std::string::npos) continue;
        const auto space = line.find_first_of(" \t", start);
        const std::string command = line.substr(start, space - start);
        // The name keeps its spaces, also when it is nothing but spaces: everything after the
        // space or tab that follows "name".
        std::string argument;
        if (space != std::string::npos) {
            const std::string rest = line.substr(space + 1);
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
    int number = 0;
    // Reads a number for the command; usage is the message when the text is not one.
    auto readNumber = [this, &number](const std::string& text, const std::string& usage) {
        switch (parseNumber(text, number)) {
        case NumberText::Whole:
            return true;
        case NumberText::OutOfRange:
            error_ = "number out of range: " + text;
            return false;
        case NumberText::NotANumber:
            break;
        }
        error_ = usage;
        return false;
    };
    if (command == "option" || command == "click") {
        if (!controls.has(argument)) return fail("unknown control: " + argument);
        form_.clickControl(argument);
        return true;
    }
    if (command == "speed") {
        if (!readNumber(argument, "speed needs a number")) return false;
        controls.scrollBar("HScroll1")->setValue(number);
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
        if (space == std::string::npos) return fail("scroll needs a scroll bar and a number");
        if (!readNumber(trim(argument.substr(space)), "scroll needs a scroll bar and a number"))
            return false;
        controls.scrollBar(bar)->setValue(number);
        return true;
    }
    if (command == "key") {
        if (auto named = kNamedKeys.find(argument); named != kNamedKeys.end()) {
            form_.Form_KeyDown(named->second);
            return true;
        }
        if (!readNumber(argument, "unknown key: " + argument)) return false;
        form_.Form_KeyDown(number);
        return true;
    }
    if (command == "wait") {
        if (!readNumber(argument, "wait needs milliseconds")) return false;
        if (number < 0) return fail("wait needs milliseconds");
        clock_.advance(number, [this] { return form_.programEnded(); });
        return true;
    }
    if (command == "ticks") {
        if (!readNumber(argument, "ticks needs a count")) return false;
        if (number < 0) return fail("ticks needs a count");
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

bool ReplayRunner::advanceTicks(int count) {
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
    form_.catchUpTimers();
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
