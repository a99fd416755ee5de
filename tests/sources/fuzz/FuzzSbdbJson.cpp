// libFuzzer target for the reader of SBDB JSON exports (see FuzzSourceReader.h for what it checks).
#include "FuzzSourceReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  moid::sources::fuzzing::FuzzReader(moid::sources::SourceFormat::SbdbJson, data, size);
  return 0;
}
