// The runtime: quitting, the application object, the report of exceptions that escape a handler,
// message boxes, web pages and pictures.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "framework/application.h"
#include "framework/exceptions.h"
#include "framework/services.h"
#include "framework/testing.h"
#include "tests/framework/framework_fixture.h"

namespace {

class RuntimeTest : public FrameworkTest {
 protected:
  void TearDown() override {
    FrameworkTest::TearDown();
    fw::RuntimeSetExceptionHelper(nullptr);
    fw::testing::ResetQuit();
  }
};

TEST_F(RuntimeTest, QuitBeforeTheLoopMakesItReturnAtOnceWithTheCode) {
  fw::testing::ResetQuit();
  EXPECT_FALSE(fw::QuitRequested());
  EXPECT_EQ(fw::RuntimeExit(), 0);
  fw::Quit(3);
  fw::RuntimeRun();
  EXPECT_TRUE(fw::QuitRequested());
  EXPECT_EQ(fw::RuntimeExit(), 3);
}

TEST_F(RuntimeTest, EscapedExceptionsAreReportedAndTheProgramGoesOn) {
  struct NotStd {};
  const struct {
    const char* what;
    std::function<void()> handler;
    const char* report;
  } cases[] = {
      {"nil object", [] { throw fw::NilObjectException("no control named x"); },
       "An exception of class NilObjectException was not handled: no control named x"},
      {"out of bounds", [] { throw fw::OutOfBoundsException("row 3"); },
       "An exception of class OutOfBoundsException was not handled: row 3"},
      {"standard", [] { throw std::logic_error("broken"); },
       "An exception of class std::exception was not handled: broken"},
      {"not a standard exception", [] { throw NotStd{}; },
       "An exception of class std::exception was not handled: an exception that is not a "
       "std::exception"},
  };
  for (const auto& c : cases) {
    messages.clear();
    ::testing::internal::CaptureStderr();
    fw::CallHandler(c.handler);
    const std::string stderrText = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(messages, std::vector<std::string>{c.report}) << c.what;
    EXPECT_NE(stderrText.find(c.report), std::string::npos) << c.what;
  }
  messages.clear();
  bool ran = false;
  fw::CallHandler([&] { ran = true; });
  EXPECT_TRUE(ran);
  EXPECT_TRUE(messages.empty());
}

// A helper like the program's: gives back runtime exceptions, lets the others through, and
// counts its calls.
int helperCalls = 0;
std::exception_ptr RecordingHelper(void (*fn)(void*), void* arg) {
  ++helperCalls;
  try {
    fn(arg);
  } catch (const fw::RuntimeException&) {
    return std::current_exception();
  }
  return nullptr;
}

TEST_F(RuntimeTest, HandlersRunThroughTheRegisteredHelper) {
  fw::RuntimeSetExceptionHelper(&RecordingHelper);
  helperCalls = 0;
  TestWindow& window = Open([](TestWindow& w) {
    w.Add<fw::PushButton>("b", Placed(0, 0, 40, 20)).AddActionHandler([] {
      throw fw::IllegalCastException("wrong class");
    });
  });
  const int afterBuilding = helperCalls;  // the menu update at opening ran through it
  EXPECT_GE(afterBuilding, 1);
  fw::testing::Click(window.ControlAs<fw::PushButton>("b"));
  EXPECT_EQ(helperCalls, afterBuilding + 1);
  EXPECT_EQ(messages,
            std::vector<std::string>{
                "An exception of class IllegalCastException was not handled: wrong class"});
}

TEST_F(RuntimeTest, MessageBoxesGoToTheObserverAndRaiseOffTheMainThread) {
  fw::MsgBox("There can only be one negative value for each mixed number.");
  EXPECT_EQ(messages, std::vector<std::string>{
                          "There can only be one negative value for each mixed number."});
  bool raised = false;
  std::thread worker([&] {
    try {
      fw::MsgBox("never shown");
    } catch (const fw::ThreadAccessingUIException&) {
      raised = true;
    }
  });
  worker.join();
  EXPECT_TRUE(raised);
  EXPECT_EQ(messages.size(), 1u);
}

TEST_F(RuntimeTest, ShowUrlGoesToTheObserver) {
  std::vector<std::string> urls;
  fw::testing::SetShowURLObserver([&](const std::string& url) { urls.push_back(url); });
  fw::ShowURL("https://example.org/tessimo");
  EXPECT_EQ(urls, std::vector<std::string>{"https://example.org/tessimo"});
}

TEST_F(RuntimeTest, PicturesLoadBesideTheProgramUnlessMissingOrHidden) {
  EXPECT_EQ(fw::Picture::OpenFromApp("no-such-picture"), nullptr);
  EXPECT_EQ(fw::Picture::OpenFromApp(""), nullptr);
  // A picture installed beside the program: a rendering of a 120 x 80 window. Hiding lasts for
  // the process, so each run uses a name of its own.
  static int run = 0;
  const std::string name = "fw-runtime-test-picture-" + std::to_string(++run);
  const auto path = std::filesystem::read_symlink("/proc/self/exe").parent_path() / (name + ".png");
  TestWindow& window = Open([](TestWindow&) {}, WindowRecord(120, 80, "Picture"));
  ASSERT_TRUE(fw::testing::RenderToPng(window, path.string()));
  const auto picture = fw::Picture::OpenFromApp(name);
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->Width(), 120);
  EXPECT_EQ(picture->Height(), 80);
  fw::testing::HidePicture(name);
  EXPECT_EQ(fw::Picture::OpenFromApp(name), nullptr);
  std::filesystem::remove(path);
}

TEST_F(RuntimeTest, TheApplicationObjectIsKeptAndReplaced) {
  auto first = std::make_unique<fw::Application>();
  first->SetVersionData(1, 3, 4, 0, 3, "Version 1.3.5", "1.3.5", "Pelvaro");
  fw::Application* kept = first.get();
  fw::RuntimeRegisterAppObject(std::move(first));
  ASSERT_EQ(fw::App(), kept);
  EXPECT_EQ(fw::App()->BugVersion(), 4);
  EXPECT_EQ(fw::App()->StageCode(), 3);
  EXPECT_EQ(fw::App()->PackageInfo(), "Pelvaro");
  auto second = std::make_unique<fw::Application>();
  fw::Application* replacement = second.get();
  fw::RuntimeRegisterAppObject(std::move(second));
  EXPECT_EQ(fw::App(), replacement);
}

int lateStartups = 0;
void LateStartup() {
  ++lateStartups;
}

TEST_F(RuntimeTest, StartUpStepsRegisterClassesAndCallLateStartupOnce) {
  fw::RuntimePerformInitializers();
  fw::RuntimeInitExternalClasses();
  fw::InitPluginEntrypoints();
  fw::RuntimeRegisterClass("Window1");
  for (const char* name : {"Window", "TextField", "BevelButton", "Window1"}) {
    EXPECT_TRUE(fw::RuntimeClassRegistered(name)) << name;
  }
  EXPECT_FALSE(fw::RuntimeClassRegistered("Author"));
  fw::RuntimeSetBuildVersion(2021.011);
  EXPECT_EQ(fw::RuntimeBuildVersion(), 2021.011);
  lateStartups = 0;
  fw::RunFrameworkInitialization(&LateStartup);
  EXPECT_EQ(lateStartups, 1);
}

}  // namespace
