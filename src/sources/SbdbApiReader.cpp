#include "sources/SbdbApiReader.h"

#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "sources/BodyNames.h"
#include "sources/Decimal.h"
#include "sources/JsonCursor.h"

namespace moid::sources {
namespace {

constexpr std::string_view BYTE_ORDER_MARK = "\xEF\xBB\xBF";

// What the answer says of its body, as text.
struct ApiAnswer {
  std::optional<std::string> fullName, designation, neo, epoch, message;
  std::map<std::string, std::string> elements;  // name -> value
  int orbitLine = 0;                            // 0 when there is no orbit
};

class ApiReader {
 public:
  explicit ApiReader(std::string_view text) : cursor_(text) {}
  SourceFailure Read(ApiAnswer& answer);

 private:
  // Calls `member(key)` for each member of the object at the cursor; `member` leaves the
  // cursor after the value and returns false when the value is malformed.
  template <class Member>
  SourceFailure ReadObject(const char* what, Member member);
  SourceFailure ReadObjectPart(ApiAnswer& answer);
  SourceFailure ReadOrbit(ApiAnswer& answer);
  SourceFailure ReadElements(ApiAnswer& answer);
  bool ReadScalar(std::optional<std::string>& into);
  SourceFailure Malformed(const std::string& expected) {
    return "line " + std::to_string(cursor_.Line()) + ": malformed JSON: expected " + expected;
  }

  JsonCursor cursor_;
};

template <class Member>
SourceFailure ApiReader::ReadObject(const char* what, Member member) {
  if (!cursor_.Consume('{')) return Malformed(std::string(what) + " object");
  while (!cursor_.Consume('}')) {
    cursor_.SkipSpace();
    const std::optional<std::string> key = cursor_.String();
    if (!key || !cursor_.Consume(':')) return Malformed("a member name and ':'");
    cursor_.SkipSpace();
    if (SourceFailure failure = member(*key); !failure.empty()) return failure;
    if (cursor_.Consume(',')) continue;
    cursor_.SkipSpace();
    if (cursor_.Peek() != '}') return Malformed("',' or '}'");
  }
  return "";
}

bool ApiReader::ReadScalar(std::optional<std::string>& into) {
  const std::optional<std::optional<std::string>> value = cursor_.Scalar();
  if (!value) return cursor_.SkipValue();  // an object or a list where text was expected
  into = *value;
  return true;
}

SourceFailure ApiReader::Read(ApiAnswer& answer) {
  return ReadObject("the answer", [&](const std::string& key) -> SourceFailure {
    if (key == "object") return ReadObjectPart(answer);
    if (key == "orbit") return ReadOrbit(answer);
    if (key == "message") return ReadScalar(answer.message) ? "" : Malformed("a value");
    return cursor_.SkipValue() ? "" : Malformed("a value");
  });
}

SourceFailure ApiReader::ReadObjectPart(ApiAnswer& answer) {
  return ReadObject("the \"object\"", [&](const std::string& key) -> SourceFailure {
    bool read = true;
    if (key == "fullname") {
      read = ReadScalar(answer.fullName);
    } else if (key == "des") {
      read = ReadScalar(answer.designation);
    } else if (key == "neo") {
      read = ReadScalar(answer.neo);
    } else {
      read = cursor_.SkipValue();
    }
    return read ? "" : Malformed("a value");
  });
}

SourceFailure ApiReader::ReadOrbit(ApiAnswer& answer) {
  cursor_.SkipSpace();
  answer.orbitLine = cursor_.Line();
  return ReadObject("the \"orbit\"", [&](const std::string& key) -> SourceFailure {
    if (key == "elements") return ReadElements(answer);
    if (key == "epoch") return ReadScalar(answer.epoch) ? "" : Malformed("a value");
    return cursor_.SkipValue() ? "" : Malformed("a value");
  });
}

// The list of {"name": ..., "value": ...} objects.
SourceFailure ApiReader::ReadElements(ApiAnswer& answer) {
  if (!cursor_.Consume('[')) return Malformed("the \"elements\" list");
  while (!cursor_.Consume(']')) {
    std::optional<std::string> name, value;
    SourceFailure failure = ReadObject("an element", [&](const std::string& key) -> SourceFailure {
      bool read = true;
      if (key == "name") {
        read = ReadScalar(name);
      } else if (key == "value") {
        read = ReadScalar(value);
      } else {
        read = cursor_.SkipValue();
      }
      return read ? "" : Malformed("a value");
    });
    if (!failure.empty()) return failure;
    if (name && value) answer.elements[*name] = *value;
    if (cursor_.Consume(',')) continue;
    cursor_.SkipSpace();
    if (cursor_.Peek() != ']') return Malformed("',' or ']' in the elements");
  }
  return "";
}

// Sets `target` from element `name`; a problem when it is there but no number.
std::string TakeElement(const ApiAnswer& answer, const std::string& name,
                        std::optional<double>& target) {
  const auto found = answer.elements.find(name);
  if (found == answer.elements.end()) return "";
  target = ParseDecimal(found->second);
  if (target) return "";
  return "element " + name + " \"" + found->second + "\" is not a number";
}

std::string BodyName(const ApiAnswer& answer) {
  if (answer.fullName) return ReadableFromFullName(*answer.fullName);
  if (answer.designation) return std::string(TrimBlanks(*answer.designation));
  return "";
}

SourceFailure Deliver(const ApiAnswer& answer, SourceVisitor& bodies) {
  if (answer.orbitLine == 0) {
    std::string why = "the answer holds no \"orbit\"";
    if (answer.message) why += " (the API says: " + *answer.message + ")";
    return why;
  }
  SourceBody body;
  body.line = answer.orbitLine;
  body.name = BodyName(answer);
  if (answer.neo) body.nearEarth = *answer.neo == "true";
  if (answer.epoch) {
    body.epochJd = ParseDecimal(*answer.epoch);
    if (!body.epochJd) {
      return "line " + std::to_string(answer.orbitLine) + ": epoch \"" + *answer.epoch +
             "\" is not a number";
    }
  }
  const std::pair<const char*, std::optional<double> SourceBody::*> fields[] = {
      {"e", &SourceBody::eccentricity},       {"i", &SourceBody::inclination},
      {"w", &SourceBody::perihelionArgument}, {"om", &SourceBody::ascendingNode},
      {"a", &SourceBody::semiMajorAxis},      {"ma", &SourceBody::meanAnomaly}};
  for (const auto& [name, member] : fields) {
    if (std::string problem = TakeElement(answer, name, body.*member); !problem.empty()) {
      return "line " + std::to_string(answer.orbitLine) + ": " + problem;
    }
  }
  bodies.OnBody(std::move(body));
  return "";
}

}  // namespace

SourceFailure ReadSbdbApi(std::istream& in, SourceVisitor& bodies) {
  std::string text(std::istreambuf_iterator<char>(in), {});
  if (text.rfind(BYTE_ORDER_MARK, 0) == 0) text.erase(0, BYTE_ORDER_MARK.size());
  ApiAnswer answer;
  ApiReader reader(text);
  if (SourceFailure failure = reader.Read(answer); !failure.empty()) return failure;
  bodies.OnProgress(text.size());
  return Deliver(answer, bodies);
}

bool LooksLikeSbdbApi(std::string_view head) {
  return head.find("\"orbit\"") != std::string_view::npos &&
         head.find("\"fields\"") == std::string_view::npos;
}

}  // namespace moid::sources
