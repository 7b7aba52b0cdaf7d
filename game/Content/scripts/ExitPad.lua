-- The exit room's floor (2ExitPad): reaching it ends the run. It says how long the way took and
-- lights the whole level once, so the player sees the way they found, and chimes; then they may
-- walk on.
found = false

function OnCreate() end
function OnTick() end
function OnUse() end

function OnPlayerEnter()
    if found then return end
    found = true
    PlaySound(objID, "fx/level/exit_chime.wav")
    local t = {}
    GetPlayTime(t)
    local seconds = math.floor(t.seconds)
    ShowMessage(string.format("You found the way out in %d:%02d. Walk on, or press Escape to leave.",
                              math.floor(seconds / 60), seconds % 60))
    RevealLevel()
end
