#include "ImageFiles.h"

#include "EpromImage.h"
#include "FileWriter.h"
#include "Listing.h"
#include "TextFile.h"

namespace plakmund {

std::optional<FileFailure> writeImageFiles(const ImageFiles &image, const std::function<void()> &afterImage)
{
    FileWriter writer(image.inputs);
    if (std::optional<FileFailure> failed = writer.stage(FileKind::ImageFile, image.path, buildEpromImage(image.games)))
        return failed;
    afterImage();
    const QStringList listing = buildListing(image.fileName, image.mode, image.names);
    if (std::optional<FileFailure> failed = writer.stage(FileKind::ListingFile, listingPathFor(image.path, image.fileName),
                                                         textFileBytes(listing)))
        return failed;
    return writer.commit();
}

} // namespace plakmund
