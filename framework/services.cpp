// Message boxes, web pages and pictures. Tests replace the first two with observers so nothing
// ever waits for a person.
#include "framework/services.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QMessageBox>
#include <QUrl>
#include <algorithm>

#include "framework/application.h"
#include "framework/qt_widgets.h"

namespace fw {

namespace detail {

std::function<void(const std::string&, const std::string&)>& MsgBoxObserver() {
  static auto* observer = new std::function<void(const std::string&, const std::string&)>;
  return *observer;
}

std::function<void(const std::string&)>& ShowURLObserver() {
  static auto* observer = new std::function<void(const std::string&)>;
  return *observer;
}

std::vector<std::string>& HiddenPictures() {
  static auto* hidden = new std::vector<std::string>;
  return *hidden;
}

}  // namespace detail

void MsgBox(std::string_view text) {
  CheckMainThread();
  const std::string message(text);
  // Titled with the program's name; not the toolkit's display name, which would be appended to
  // every window title.
  const std::string title = RuntimeProgramName();
  if (const auto observer = detail::MsgBoxObserver()) {
    observer(title, message);
    return;
  }
  if (QApplication::instance() == nullptr) return;
  QWidget* parent = nullptr;
  const std::vector<Window*> open = OpenWindows();
  if (!open.empty() && open.front()->IsVisible()) parent = open.front()->Impl().top;
  QMessageBox box(QMessageBox::Information, QString::fromStdString(title),
                  QString::fromStdString(message), QMessageBox::Ok, parent);
  box.exec();
}

void ShowURL(std::string_view url) {
  CheckMainThread();
  const std::string address(url);
  if (const auto observer = detail::ShowURLObserver()) {
    observer(address);
    return;
  }
  QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

// --- Picture -------------------------------------------------------------------------------

Picture::Picture(std::unique_ptr<PictureImpl> impl) : impl_(std::move(impl)) {}
Picture::~Picture() = default;

int Picture::Width() const {
  return impl_->image.width();
}
int Picture::Height() const {
  return impl_->image.height();
}

std::shared_ptr<Picture> Picture::OpenFromApp(std::string_view name) {
  const std::string key(name);
  const auto& hidden = detail::HiddenPictures();
  if (key.empty() || std::find(hidden.begin(), hidden.end(), key) != hidden.end()) return nullptr;
  const QString file = QString::fromStdString(key) + QStringLiteral(".png");
  // Compiled into the binary, or else installed beside it.
  QStringList places{QStringLiteral(":/pictures/") + file};
  if (QCoreApplication::instance() != nullptr) {
    places << QCoreApplication::applicationDirPath() + QStringLiteral("/") + file;
  }
  for (const QString& place : places) {
    if (!QFile::exists(place)) continue;
    auto impl = std::make_unique<PictureImpl>();
    if (impl->image.load(place) && !impl->image.isNull()) {
      return std::make_shared<Picture>(std::move(impl));
    }
  }
  return nullptr;
}

}  // namespace fw
