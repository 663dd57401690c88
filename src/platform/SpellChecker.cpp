#include "platform/SpellChecker.h"

#include <QLocale>
#include <unordered_map>
#include <utility>

#if TESSAROOK_HAVE_ENCHANT
#include <enchant.h>
#endif

namespace fw {

namespace {

// Answers kept before the memory starts again; enough for every word a person
// scrolls past in a long session.
constexpr std::size_t kMostRemembered = 100000;

struct SharedState {
    std::shared_ptr<SpellChecker> checker;
    std::vector<std::string> languages;
};

SharedState& State() {
    static SharedState state;
    return state;
}

// The system locale's language ("de_CH", then "de"), then English.
std::vector<std::string> SystemLanguages() {
    std::vector<std::string> tags;
    const QLocale locale = QLocale::system();
    if (locale.language() != QLocale::C) {
        const std::string name = locale.name().toStdString();
        tags.push_back(name);
        tags.push_back(name.substr(0, name.find('_')));
    }
    for (const char* english : {"en_US", "en_GB", "en"}) {
        tags.emplace_back(english);
    }
    return tags;
}

// The word as the dictionaries spell it: with the typewriter's apostrophe in
// place of the typographic one (U+2019). Every operation takes the word in this
// form, so that what is added or ignored is what is checked.
std::string Spelt(const std::string& word) {
    static const std::string typographic = "\xE2\x80\x99";
    std::string spelt;
    spelt.reserve(word.size());
    for (std::size_t at = 0; at < word.size();) {
        if (word.compare(at, typographic.size(), typographic) == 0) {
            spelt += '\'';
            at += typographic.size();
        } else {
            spelt += word[at++];
        }
    }
    return spelt;
}

}  // namespace

struct SpellChecker::Impl {
#if TESSAROOK_HAVE_ENCHANT
    EnchantBroker* broker = nullptr;
    EnchantDict* dict = nullptr;
#endif
    std::unordered_map<std::string, bool> correct;

    // After a word is added or ignored, any remembered answer may be wrong: its
    // other letter cases, say, are now accepted too.
    void Forget() {
        correct.clear();
    }

    void Remember(const std::string& word, bool right) {
        if (correct.size() >= kMostRemembered) {
            correct.clear();
        }
        correct[word] = right;
    }
};

SpellChecker::SpellChecker(const std::vector<std::string>& languages)
    : impl_(std::make_unique<Impl>()) {
#if TESSAROOK_HAVE_ENCHANT
    impl_->broker = enchant_broker_init();
    if (impl_->broker == nullptr) {
        return;
    }
    for (const std::string& tag : languages) {
        if (enchant_broker_dict_exists(impl_->broker, tag.c_str()) != 0) {
            impl_->dict = enchant_broker_request_dict(impl_->broker, tag.c_str());
            if (impl_->dict != nullptr) {
                return;
            }
        }
    }
#else
    (void)languages;
#endif
}

SpellChecker::~SpellChecker() {
#if TESSAROOK_HAVE_ENCHANT
    if (impl_->dict != nullptr) {
        enchant_broker_free_dict(impl_->broker, impl_->dict);
    }
    if (impl_->broker != nullptr) {
        enchant_broker_free(impl_->broker);
    }
#endif
}

std::shared_ptr<SpellChecker> SpellChecker::Shared() {
    SharedState& state = State();
    if (!state.checker) {
        state.checker = std::make_shared<SpellChecker>(state.languages.empty() ? SystemLanguages()
                                                                               : state.languages);
    }
    return state.checker;
}

void SpellChecker::UseLanguages(std::vector<std::string> languages) {
    State() = {nullptr, std::move(languages)};
}

bool SpellChecker::HasDictionary() const {
#if TESSAROOK_HAVE_ENCHANT
    return impl_->dict != nullptr;
#else
    return false;
#endif
}

bool SpellChecker::IsCorrect(const std::string& typed) {
    if (!HasDictionary() || typed.empty()) {
        return true;
    }
    const std::string word = Spelt(typed);
    if (const auto found = impl_->correct.find(word); found != impl_->correct.end()) {
        return found->second;
    }
    bool right = true;
#if TESSAROOK_HAVE_ENCHANT
    // 0 is a known word, above 0 a misspelt one; below 0 the engine failed.
    right = enchant_dict_check(impl_->dict, word.data(), static_cast<ssize_t>(word.size())) <= 0;
#endif
    impl_->Remember(word, right);
    return right;
}

std::vector<std::string> SpellChecker::Suggestions(const std::string& typed, std::size_t most) {
    std::vector<std::string> found;
#if TESSAROOK_HAVE_ENCHANT
    if (!HasDictionary() || typed.empty()) {
        return found;
    }
    const std::string word = Spelt(typed);
    std::size_t count = 0;
    char** list =
        enchant_dict_suggest(impl_->dict, word.data(), static_cast<ssize_t>(word.size()), &count);
    for (std::size_t i = 0; i < count && found.size() < most; ++i) {
        found.emplace_back(list[i]);
    }
    if (list != nullptr) {
        enchant_dict_free_string_list(impl_->dict, list);
    }
#else
    (void)typed;
    (void)most;
#endif
    return found;
}

void SpellChecker::AddToDictionary(const std::string& typed) {
    if (!HasDictionary() || typed.empty()) {
        return;
    }
#if TESSAROOK_HAVE_ENCHANT
    const std::string word = Spelt(typed);
    enchant_dict_add(impl_->dict, word.data(), static_cast<ssize_t>(word.size()));
#endif
    impl_->Forget();
}

void SpellChecker::Ignore(const std::string& typed) {
    if (!HasDictionary() || typed.empty()) {
        return;
    }
#if TESSAROOK_HAVE_ENCHANT
    const std::string word = Spelt(typed);
    enchant_dict_add_to_session(impl_->dict, word.data(), static_cast<ssize_t>(word.size()));
#endif
    impl_->Forget();
}

}  // namespace fw
