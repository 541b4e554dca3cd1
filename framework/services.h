// Services the program asks of the system: message boxes, quitting, web pages, pictures.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace fw {

// Shows `text` in a modal message box titled with the program's name and returns when the user
// dismisses it.
void MsgBox(std::string_view text);
// Ends the event loop; the run ends with `code`.
void Quit(int code = 0);
bool QuitRequested();
// Asks the system to open `url` in its browser.
void ShowURL(std::string_view url);

struct PictureImpl;

class Picture {
 public:
  // The picture resource `name` of the application, or null when it is missing or unreadable.
  static std::shared_ptr<Picture> OpenFromApp(std::string_view name);
  ~Picture();
  int Width() const;
  int Height() const;
  PictureImpl& Impl() const { return *impl_; }
  explicit Picture(std::unique_ptr<PictureImpl> impl);

 private:
  std::unique_ptr<PictureImpl> impl_;
};

}  // namespace fw
