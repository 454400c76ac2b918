// Rich Text Format from files the operator copies around.
#include "fuzz_document.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return fuzzDocument(data, size, &dotsign::RichDocument::loadRtf);
}
