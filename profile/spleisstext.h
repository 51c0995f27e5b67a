#pragma once

#include <string>
#include <string_view>
#include <vector>

// A text rewritten by splices that still knows the text it started from. The
// start text is given back as pieces of the current text and of the passages
// the splices took out, so that a large settings text need not be copied to
// be compared with the file later.
class spleisstext {
  public:
    explicit spleisstext(std::string text) : text_(std::move(text)) {}

    const std::string& text() const { return text_; }

    // Replaces `laenge` characters from the 0-based position `stelle` on.
    void ersetzen(std::size_t stelle, std::size_t laenge, std::string_view neu);

    // The start text: the pieces joined in order. Valid until the next splice.
    std::vector<std::string_view> ursprung() const;

  private:
    struct spleissung {
        std::size_t stelle;
        std::size_t neueLaenge;
        std::string alt;
    };

    std::string text_;
    std::vector<spleissung> spleissungen_;
};
