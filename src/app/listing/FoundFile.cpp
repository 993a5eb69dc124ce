#include "FoundFile.h"

#include "SizeText.h"

QString FoundFile::sizeText() const
{
    return size == kUnknownSize ? UnknownSizeText() : SizeText(size);
}
