// SPDX-License-Identifier: MIT
#include "SubfontSelection.h"

#include "RunTexts.h"

namespace glyphsmith {

namespace {

std::vector<std::string_view> ItemsOf(std::string_view list) {
    std::vector<std::string_view> items;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find_first_of(", ", start), list.size());
        if (end > start) {
            items.push_back(list.substr(start, end - start));
        }
        start = end + 1;
    }
    return items;
}

class Selector {
  public:
    Selector(const SfdFile& file, const std::string& path)
        : file_(file), path_(path), chosen_(file.Subfonts().size()) {}

    // Marks the subfonts of one item; false with the refusal when the item cannot be taken.
    bool Take(std::string_view item);
    SubfontList Chosen() const;
    const std::string& Refusal() const { return refusal_; }

  private:
    std::optional<std::size_t> IndexOf(std::string_view name);

    const SfdFile& file_;
    const std::string& path_;
    std::vector<bool> chosen_;
    std::string refusal_;
};

std::optional<std::size_t> Selector::IndexOf(std::string_view name) {
    const SfdSubfont* subfont = file_.Find(name);
    if (subfont == nullptr) {
        refusal_ = UndefinedSubfontText(path_, std::string(name));
        return std::nullopt;
    }
    return static_cast<std::size_t>(subfont - file_.Subfonts().data());
}

// A name is taken as the range from itself to itself.
bool Selector::Take(std::string_view item) {
    const std::size_t dash = item.find('-');
    const std::optional<std::size_t> first = IndexOf(item.substr(0, dash));
    const std::optional<std::size_t> last =
        !first || dash == std::string_view::npos ? first : IndexOf(item.substr(dash + 1));
    if (!last) {
        return false;
    }
    if (*last < *first) {
        refusal_ = BackwardSubfontRangeText(path_, std::string(item));
        return false;
    }
    for (std::size_t index = *first; index <= *last; ++index) {
        chosen_[index] = true;
    }
    return true;
}

SubfontList Selector::Chosen() const {
    SubfontList subfonts;
    for (std::size_t index = 0; index < chosen_.size(); ++index) {
        if (chosen_[index]) {
            subfonts.push_back(&file_.Subfonts()[index]);
        }
    }
    return subfonts;
}

} // namespace

SubfontList AllSubfonts(const SfdFile& file) {
    SubfontList subfonts;
    for (const SfdSubfont& subfont : file.Subfonts()) {
        subfonts.push_back(&subfont);
    }
    return subfonts;
}

SubfontSelection SelectSubfonts(const SfdFile& file, std::string_view list,
                                const std::string& path) {
    const std::vector<std::string_view> items = ItemsOf(list);
    if (items.empty()) {
        return EmptySubfontListText(std::string(list));
    }
    Selector selector(file, path);
    for (const std::string_view item : items) {
        if (!selector.Take(item)) {
            return selector.Refusal();
        }
    }
    return selector.Chosen();
}

} // namespace glyphsmith
