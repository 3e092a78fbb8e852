#include "doubles/recording_dialogs.h"

#include "text/text.h"

namespace velt::testing {
namespace {

std::optional<Text> Next(std::deque<std::optional<Text>>& script) {
  if (script.empty()) return std::nullopt;
  std::optional<Text> answer = script.front();
  script.pop_front();
  return answer;
}

}  // namespace

Answer RecordingDialogs::Message(const MessageRequest& request) {
  messages.push_back(request);
  if (answers.empty()) return request.DefaultAnswer();
  const Answer answer = answers.front();
  answers.pop_front();
  return answer;
}

std::optional<Text> RecordingDialogs::InputBox(const InputRequest& request) {
  inputs.push_back(request);
  return Next(inputAnswers);
}

std::optional<Text> RecordingDialogs::OpenFile(const FileDialogRequest& request) {
  fileDialogs.push_back(request);
  return Next(openFileAnswers);
}

std::optional<Text> RecordingDialogs::SaveFile(const FileDialogRequest& request) {
  fileDialogs.push_back(request);
  return Next(saveFileAnswers);
}

std::optional<Text> RecordingDialogs::BrowseFolder(const Text& title) {
  FileDialogRequest request;
  request.title = title;
  fileDialogs.push_back(request);
  return Next(folderAnswers);
}

std::vector<MessageId> RecordingDialogs::Ids() const {
  std::vector<MessageId> ids;
  for (const MessageRequest& m : messages)
    ids.push_back(m.id);
  return ids;
}

std::vector<Text> RecordingDialogs::Texts() const {
  std::vector<Text> texts;
  for (const MessageRequest& m : messages)
    texts.push_back(m.text);
  return texts;
}

std::vector<Text> RecordingDialogs::Titles() const {
  std::vector<Text> titles;
  for (const MessageRequest& m : messages)
    titles.push_back(m.title);
  return titles;
}

}  // namespace velt::testing
