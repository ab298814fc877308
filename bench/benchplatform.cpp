#include "benchplatform.h"

BenchPlatform::BenchPlatform(QString applicationFolder)
    : m_folder(std::move(applicationFolder))
{ }
