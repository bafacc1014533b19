#include "support/scriptedprompter.h"

#include <gtest/gtest.h>

namespace vk::test {

const char* ToString(Icon icon) {
  switch (icon) {
  case Icon::None: return "None";
  case Icon::Information: return "Information";
  case Icon::Question: return "Question";
  case Icon::Warning: return "Warning";
  case Icon::Critical: return "Critical";
  }
  return "?";
}

const char* ToString(Buttons buttons) {
  switch (buttons) {
  case Buttons::Ok: return "Ok";
  case Buttons::OkCancel: return "OkCancel";
  case Buttons::YesNo: return "YesNo";
  case Buttons::YesNoCancel: return "YesNoCancel";
  case Buttons::RetryCancel: return "RetryCancel";
  }
  return "?";
}

ScriptedPrompter::~ScriptedPrompter() {
  if (!m_verified)
    verify();
}

ScriptedPrompter& ScriptedPrompter::expect(const QString& text, Answer answer, std::optional<Icon> icon,
                                           std::optional<Buttons> buttons, bool contains) {
  Step s{Kind::Message, text, contains, icon, buttons, answer, std::nullopt, -1};
  m_steps.push_back(s);
  return *this;
}

ScriptedPrompter& ScriptedPrompter::expectErrorBox(Answer answer, const QString& descriptionFragment) {
  Step s{Kind::Message, QStringLiteral("FEHLER") , true, Icon::Critical, Buttons::RetryCancel, answer, std::nullopt, -1};
  if (!descriptionFragment.isEmpty())
    s.text = descriptionFragment;
  m_steps.push_back(s);
  return *this;
}

ScriptedPrompter& ScriptedPrompter::expectInput(std::optional<QString> answer, const QString& promptFragment) {
  m_steps.push_back({Kind::Input, promptFragment, true, std::nullopt, std::nullopt, Answer::Ok, answer, -1});
  return *this;
}

ScriptedPrompter& ScriptedPrompter::expectFolder(const QString& folder) {
  m_steps.push_back({Kind::Folder, {}, true, std::nullopt, std::nullopt, Answer::Ok, folder, -1});
  return *this;
}

ScriptedPrompter& ScriptedPrompter::expectOpenFile(const QString& path) {
  m_steps.push_back({Kind::OpenFile, {}, true, std::nullopt, std::nullopt, Answer::Ok, path, -1});
  return *this;
}

ScriptedPrompter& ScriptedPrompter::expectSaveFile(const QString& path) {
  m_steps.push_back({Kind::SaveFile, {}, true, std::nullopt, std::nullopt, Answer::Ok, path, -1});
  return *this;
}

ScriptedPrompter& ScriptedPrompter::expectColour(int colour) {
  m_steps.push_back({Kind::Colour, {}, true, std::nullopt, std::nullopt, Answer::Ok, std::nullopt, colour});
  return *this;
}

bool ScriptedPrompter::allShown() const { return m_steps.empty(); }

void ScriptedPrompter::verify() {
  m_verified = true;
  for (const Step& s : m_steps)
    ADD_FAILURE() << "expected box never shown: \"" << s.text.toStdString() << "\"";
  m_steps.clear();
}

std::optional<ScriptedPrompter::Step> ScriptedPrompter::next(Kind kind, const QString& what) {
  if (m_steps.empty() || m_steps.front().kind != kind) {
    ADD_FAILURE() << "unexpected dialog: \"" << what.toStdString() << "\"";
    return std::nullopt;
  }
  Step s = m_steps.front();
  m_steps.pop_front();
  return s;
}

Answer ScriptedPrompter::message(const QString& text, Icon icon, Buttons buttons, DefaultButton defaultButton,
                                 const QString& title) {
  shown.push_back({text, icon, buttons, defaultButton, title});
  auto s = next(Kind::Message, text);
  if (!s)
    return buttons == Buttons::Ok ? Answer::Ok : (buttons == Buttons::YesNo ? Answer::No : Answer::Cancel);
  if (s->contains) {
    EXPECT_TRUE(text.contains(s->text)) << "box text \"" << text.toStdString() << "\" lacks \""
                                        << s->text.toStdString() << "\"";
  } else {
    EXPECT_EQ(text.toStdString(), s->text.toStdString());
  }
  if (s->icon) {
    EXPECT_STREQ(ToString(icon), ToString(*s->icon)) << "for box \"" << text.toStdString() << "\"";
  }
  if (s->buttons) {
    EXPECT_STREQ(ToString(buttons), ToString(*s->buttons)) << "for box \"" << text.toStdString() << "\"";
  }
  return s->answer;
}

std::optional<QString> ScriptedPrompter::input(const QString& prompt, const QString&, const QString& defaultText) {
  inputPrompts.push_back(prompt);
  inputDefaults.push_back(defaultText);
  auto s = next(Kind::Input, prompt);
  if (!s)
    return std::nullopt;
  EXPECT_TRUE(prompt.contains(s->text)) << prompt.toStdString();
  return s->value;
}

int ScriptedPrompter::chooseColour(int, bool) {
  auto s = next(Kind::Colour, QStringLiteral("colour dialog"));
  return s ? s->colour : -1;
}

QString ScriptedPrompter::browseFolder(const QString& title, const QString&) {
  auto s = next(Kind::Folder, title);
  return s ? s->value.value_or(QString()) : QString();
}

QString ScriptedPrompter::openFile(const QString&, const QString&, const QString& title) {
  auto s = next(Kind::OpenFile, title);
  return s ? s->value.value_or(QString()) : QString();
}

QString ScriptedPrompter::saveFile(const QString& filter, const QString& folder, const QString& title,
                                   const QString&) {
  saveDialogs.push_back({filter, folder, title});
  auto s = next(Kind::SaveFile, title);
  return s ? s->value.value_or(QString()) : QString();
}

} // namespace vk::test
