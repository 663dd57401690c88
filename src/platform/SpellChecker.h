#pragma once

// Spelling in the user's language through the Enchant library: tells whether a
// word is spelt right (remembering each answer), suggests corrections, and keeps
// the words that the user accepts. Enchant picks the spelling engine and finds
// the installed dictionaries; the personal word list is Enchant's, in the user's
// configuration folder. Without a dictionary, or in a build without Enchant,
// every word counts as correct.

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace fw {

class SpellChecker {
public:
    // Uses the first of `languages` (tags such as "en_US") that has a dictionary.
    explicit SpellChecker(const std::vector<std::string>& languages);
    ~SpellChecker();
    SpellChecker(const SpellChecker&) = delete;
    SpellChecker& operator=(const SpellChecker&) = delete;

    // The checker that text areas share, made on first use: the system
    // locale's language, else English.
    static std::shared_ptr<SpellChecker> Shared();
    // The languages that the next shared checker tries instead of the system's
    // (none: the system's again). For tests, which bring their own dictionary.
    static void UseLanguages(std::vector<std::string> languages);

    [[nodiscard]] bool HasDictionary() const;
    // Words are UTF-8. The typographic apostrophe (’) counts as the typewriter's
    // (') in every operation. Adding or ignoring a word may change the answer for
    // other words (its other letter cases): check again what was checked before.
    [[nodiscard]] bool IsCorrect(const std::string& word);
    // At most `most` corrections, the likeliest first.
    [[nodiscard]] std::vector<std::string> Suggestions(const std::string& word, std::size_t most);
    // Adds the word to the personal word list, so that it stays accepted.
    void AddToDictionary(const std::string& word);
    // Accepts the word until the program ends.
    void Ignore(const std::string& word);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace fw
