// The request comes in and the reply goes out through standard input, as bytes: the C runtime
// would otherwise turn line ends into two bytes and take a Ctrl-Z for the end of the input.
#include <fcntl.h>
#include <io.h>

namespace {

const int inputInBinary = _setmode(0, _O_BINARY);

}  // namespace
