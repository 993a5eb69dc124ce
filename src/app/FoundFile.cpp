#include "FoundFile.h"

#include "SizeText.h"

QString FoundFile::sizeText() const
{
    return size == kUnknownSize ? kUnknownSizeText : SizeText(size);
}
