// cardhold-headless: runs the program's real start-up and command dispatch against the
// in-memory dialog, reading a scenario from stdin and printing what the user would see.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>

#include "ui/control_ids.h"
#include "shell/main_dialog.h"
#include "store/deck_set.h"
#include "tests/support/memory_dialog.h"

namespace {

[[noreturn]] void fail(int lineNumber, const std::string& why) {
    std::cerr << "cardhold-headless: line " << lineNumber << ": " << why << "\n";
    std::exit(2);
}

bool parseInt(const std::string& word, int& value) {
    if (word.empty()) return false;
    char* end = nullptr;
    const long parsed = std::strtol(word.c_str(), &end, 10);
    if (*end != '\0' || parsed < -2147483647L - 1 || parsed > 2147483647L) return false;
    value = static_cast<int>(parsed);
    return true;
}

void printQuoted(const std::string& prefix, const std::string& text) {
    // Raw bytes between the quotes, trailing spaces and all.
    std::fwrite(prefix.data(), 1, prefix.size(), stdout);
    std::fputc('"', stdout);
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputs("\"\n", stdout);
}

class Runner {
  public:
    Runner() {
        dialog_.onEvent = [](const std::string& line) { std::printf("%s\n", line.c_str()); };
        resetProgramState();
        onInitDialog(dialog_);
    }

    void run(std::istream& in) {
        std::string line;
        while (std::getline(in, line)) {
            ++lineNumber_;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            std::istringstream words(line);
            std::string verb;
            if (!(words >> verb) || verb[0] == '#') continue;
            if (dialog_.ended()) fail(lineNumber_, "the dialog has ended; no more commands");
            // The words after the verb; `surplus` is one more than any command takes.
            std::string first, second, third, surplus;
            words >> first >> second >> third >> surplus;
            execute(verb, first, second, third, surplus, line);
            std::fflush(stdout);
            if (dialog_.ended()) std::printf("ended %d\n", dialog_.endResult());
        }
    }

  private:
    int number(const std::string& word) {
        int value = 0;
        if (!parseInt(word, value)) fail(lineNumber_, "expected a number, got '" + word + "'");
        return value;
    }

    int controlId(const std::string& word) {
        const int id = number(word);
        if (!dialog_.hasControl(id)) fail(lineNumber_, "no control with id " + word);
        return id;
    }

    void noMore(const std::string& word) {
        if (!word.empty()) fail(lineNumber_, "unexpected '" + word + "'");
    }

    void execute(const std::string& verb, const std::string& first, const std::string& second,
                 const std::string& third, const std::string& surplus, const std::string& line) {
        if (verb == "click") {
            noMore(second);
            dialog_.click(controlId(first));
        } else if (verb == "select") {
            noMore(second);
            dialog_.select(number(first));
        } else if (verb == "menu") {
            noMore(second);
            dialog_.command(number(first), ButtonClicked);
        } else if (verb == "command") {
            noMore(third);
            dialog_.command(number(first), second.empty() ? ButtonClicked : number(second));
        } else if (verb == "answer-file") {
            answerFile(line, first);
        } else if (verb == "type") {
            typeText(line);
        } else if (verb == "key") {
            noMore(second);
            if (first != "enter") fail(lineNumber_, "key takes enter");
            dialog_.pressEnter();
        } else if (verb == "undo" || verb == "redo") {
            noMore(first);
            dialog_.command(verb == "undo" ? IDK_UNDO : IDK_REDO, ButtonClicked);
        } else if (verb == "answer-question") {
            noMore(second);
            answerQuestion(first);
        } else if (verb == "print") {
            print(first, second, third, surplus);
        } else {
            fail(lineNumber_, "unknown command '" + verb + "'");
        }
    }

    void answerFile(const std::string& line, const std::string& first) {
        if (first.empty()) fail(lineNumber_, "answer-file needs a path or 'cancel'");
        // The path is everything after the space that ends the command word, so it may
        // hold spaces, or be text that also occurs in the command word.
        const std::size_t verbStart = line.find_first_not_of(" \t");
        const std::size_t space = line.find_first_of(" \t", verbStart);
        const std::string path = line.substr(space + 1);
        if (path == "cancel")
            dialog_.queueFileAnswer(std::nullopt);
        else
            dialog_.queueFileAnswer(path);
    }

    void typeText(const std::string& line) {
        // The text is the rest of the line after one space, so it may hold spaces.
        const size_t verbEnd = line.find("type") + 4;
        dialog_.type(verbEnd < line.size() ? line.substr(verbEnd + 1) : "");
    }

    void answerQuestion(const std::string& word) {
        if (word == "yes")
            dialog_.queueAnswer(Answer::Yes);
        else if (word == "no")
            dialog_.queueAnswer(Answer::No);
        else if (word == "cancel")
            dialog_.queueAnswer(Answer::Cancel);
        else
            fail(lineNumber_, "answer-question takes yes, no or cancel");
    }

    void print(const std::string& what, const std::string& second, const std::string& third,
               const std::string& surplus) {
        if (what == "list") {
            noMore(second);
            std::printf("list %d selected %d\n", dialog_.listSize(), dialog_.listSelection());
            for (int k = 0; k < dialog_.listSize(); ++k)
                printQuoted(std::to_string(k) + " ", dialog_.listText(k));
        } else if (what == "edit") {
            noMore(second);
            printQuoted("edit ", dialog_.field());
        } else if (what == "caption" || what == "tip") {
            noMore(second);
            printQuoted(what + " ", what == "caption" ? dialog_.caption() : dialog_.tip());
        } else if (what == "count") {
            noMore(surplus);
            const int deck = number(second), card = number(third);
            if (deck < 0 || deck >= DeckCount || card < 0 || card >= CardCount)
                fail(lineNumber_, "no deck " + second + " or card " + third);
            std::printf("count %d %d %d\n", deck, card, deckSet.decks[deck].counts[card]);
        } else {
            noMore(second);
            const int id = controlId(what);
            const std::string& text = dialog_.text(id);
            std::string prefix = what + " ";
            if (dialog_.isCheckBoxControl(id)) prefix += dialog_.isChecked(id) ? "[x] " : "[ ] ";
            printQuoted(prefix, text);
        }
    }

    MemoryDialog dialog_;
    int lineNumber_ = 0;
};

} // namespace

int main() {
    Runner runner;
    runner.run(std::cin);
    return 0;
}
