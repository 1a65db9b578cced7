#include "fakeappcontext.h"

FakeAppContext::FakeAppContext()
{
    AppContext::install(this);
}

FakeAppContext::~FakeAppContext()
{
    AppContext::install(nullptr);
}
