// What the player is told in the window about the game's own pictures and sounds: files missing
// from the asset folder (which ones, and where the game looked), a picture there that will not
// load, no sound device. Without a word the table would only show grey boxes, or stay silent.
#pragma once

#include "data/asset_resolver.h"
#include "data/avvisi.h"
#include "platform/texture_cache.h"

namespace gnamm::platform {

// At start-up: every picture, and with a sound device every sound, the game names looked up
// once; one notice per folder with files missing. Without a sound device, that notice instead.
void AvvisaRisorse(data::Avvisi& avvisi, const AssetResolver& resolver, bool dispositivoAudio);

// The game's picture loader, telling the player once per folder about a picture that is there
// but will not load. The notices go to whatever `avvisi` points at when the picture is loaded:
// the window draws its first picture before the game that shows notices exists.
PictureLoader AvvisaSeIlleggibile(PictureLoader loader, const AssetResolver& resolver,
                                  data::Avvisi* const& avvisi);

}  // namespace gnamm::platform
