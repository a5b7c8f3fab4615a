#include "cad/command/session.h"

namespace cad::command {

QuestionAwaiter Session::AskPoint(std::string prompt, std::vector<Keyword> keywords) {
    Question q;
    q.prompt = std::move(prompt);
    q.point = true;
    q.keywords = std::move(keywords);
    q.hint = q.keywords.empty() ? "Point expected." : "Point or option keyword expected.";
    return Ask(std::move(q));
}

QuestionAwaiter Session::AskPointFrom(std::string prompt, Point from) {
    QuestionAwaiter awaiter = AskPoint(std::move(prompt));
    awaiter.question.from = from;
    return awaiter;
}

QuestionAwaiter Session::AskNumber(std::string prompt, NumberRule rule) {
    Question q;
    q.prompt = std::move(prompt);
    q.number = rule;
    q.hint = "Number expected.";
    return Ask(std::move(q));
}

QuestionAwaiter Session::AskKeyword(std::string prompt, std::vector<Keyword> keywords) {
    Question q;
    q.prompt = std::move(prompt);
    q.keywords = std::move(keywords);
    q.hint = "Option keyword expected.";
    return Ask(std::move(q));
}

QuestionAwaiter Session::AskText(std::string prompt) {
    Question q;
    q.prompt = std::move(prompt);
    q.text = true;
    return Ask(std::move(q));
}

QuestionAwaiter Session::AskWord(std::string prompt) {
    Question q;
    q.prompt = std::move(prompt);
    q.word = true;
    return Ask(std::move(q));
}

QuestionAwaiter Session::AskObjects() {
    Question q;
    q.objects = true;
    return Ask(std::move(q));
}

} // namespace cad::command
