A Ghost Story
--------------------------------
Every summer Tom and his cousin Ellie spent two weeks with their grandmother in an old stone house on the edge of a village in Yorkshire. The house was more than three hundred years old. Its floors creaked, its doors never closed properly, and there was a narrow staircase that led up to the attic. Nobody had used the attic for years.

"Is this house haunted, Gran?" Ellie asked on the first evening, when they were eating fish pie in the kitchen.

Gran smiled. "People in the village say that a girl called Mary lived here long ago. They say she still walks about at night, looking for her lost cat. But I have lived here for forty years, and I have never met her."

Tom laughed, but that night he could not fall asleep. The wind was blowing hard, and rain was beating against the window. At about midnight he heard something above his head: slow, soft steps, then a strange tapping sound. Tap, tap, tap. He went across the landing and knocked on Ellie's door.

"Did you hear that?" he whispered. Ellie was already sitting up in bed with her torch in her hand. She had heard it too.

Together they crept up the narrow staircase. The attic door was open a little, and a cold wind was coming through the gap. Ellie pushed the door with her foot. In the light of the torch they saw old boxes, a broken mirror and a rocking chair. Then something white moved by the window, and Tom almost screamed.

It was only a curtain. The small window at the end of the attic had blown open in the storm, and the old lace curtain was flying in the wind. Ellie pointed her torch at a beam above the window. Two round yellow eyes looked back at them. An owl was sitting there, and every time it moved on the beam, its claws went tap, tap, tap.

The cousins laughed so loudly that they woke Gran. She came up in her dressing gown, closed the window and told them to go back to bed. "So you have met our lodger," she said. "That owl has lived up here since the spring."

In the morning, Ellie went up to the attic again to look at the owl in daylight. It was asleep. When she came down, she looked a little pale. "Tom," she said quietly, "the rocking chair was moving. And the window was shut."

Gran only smiled and poured more tea.
