#include "scene/zr_scene_forms.h"

#include "platform/rtl/Streams.h"
#include "scene/zr_stream.h"

std::vector<std::string> ReadFormStream(TComponent* Form, TStream* Stream) {
  std::vector<std::string> errors;
  TReader reader(Stream);
  reader.OnError = [&errors](const std::string& Message) {
    errors.push_back(Message);
    return true;
  };
  reader.ReadRootComponent(Form);
  return errors;
}

std::vector<std::string> ReadFormResource(TComponent* Form, const std::string& ResName) {
  TResourceStream stream(ResName);
  return ReadFormStream(Form, &stream);
}
