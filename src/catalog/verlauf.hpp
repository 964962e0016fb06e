#pragma once
// The confirmed entries of the entry box, newest last, stepped through with
// Up and Down as in a shell.
#include <string>
#include <vector>

class Verlauf {
public:
    static constexpr std::size_t Hoechstens = 50;

    // A confirmed entry; a repeat of the newest is kept once. Ends any stepping.
    void Merken(const std::string& eintrag);
    // One step back (older) or forward (newer). `getippt` is what the box holds
    // when stepping starts; stepping forward past the newest gives it back.
    std::string Zurueck(const std::string& getippt);
    std::string Vor();
    bool Beim_Blaettern() const { return pos_ < eintraege_.size(); }

    // One entry a line, for the settings store; lines beyond the last 50 and
    // empty ones are dropped on reading.
    std::string Text() const;
    void Von_Text(const std::string& text);
    const std::vector<std::string>& Eintraege() const { return eintraege_; }

private:
    std::vector<std::string> eintraege_;
    std::size_t pos_ = 0; // == size(): not stepping
    std::string getippt_;
};
